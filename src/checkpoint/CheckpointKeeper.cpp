#include "checkpoint/CheckpointKeeper.h"

#include "files/PlainText.h"

#include <cstdio>

CheckpointKeeper::CheckpointKeeper(CheckpointFile file)
    : file(std::move(file))
{
}

void CheckpointKeeper::resume(const Restore& restore)
{
    lock = file.lock();
    if (lock && !lock->held()) {
        // Without the lock this game cannot tell another game's run from its own: it keeps none.
        keeping = false;
        if (lock->busy())
            std::fprintf(stderr,
                         "squibble-siege: checkpoint: another game is keeping this run; this game will not be kept\n");
        else
            std::fprintf(stderr, "squibble-siege: checkpoint: cannot lock %s.lock (%s); this game will not be kept\n",
                         PlainText::printable(file.path()).c_str(), lock->error().c_str());
        return;
    }
    const CheckpointFile::Loaded loaded = file.load();
    if (loaded.missing)
        return;
    if (!loaded.checkpoint) {
        refuse(loaded.problem);
        return;
    }
    const std::string problem = restore(*loaded.checkpoint);
    if (!problem.empty())
        refuse(problem);
}

void CheckpointKeeper::keep(const Checkpoint& run)
{
    if (keeping)
        writer.post(file.path(), [this, run] { file.save(run); });
}

void CheckpointKeeper::forget()
{
    if (keeping)
        writer.post(file.path(), [this] { file.remove(); });
}

void CheckpointKeeper::refuse(const std::string& problem)
{
    std::string outcome;
    const bool moved = file.setAside(outcome);
    // A refused file that stays in place is the player's to look at: this game keeps nothing over it.
    keeping = moved;
    const std::string where =
        moved ? "moved to " + outcome : "left in place (" + outcome + "); this game will not be kept";
    std::fprintf(stderr, "squibble-siege: checkpoint %s refused (%s); %s; starting a new game\n",
                 PlainText::printable(file.path()).c_str(), PlainText::printable(problem).c_str(),
                 PlainText::safeLine(where).c_str());
}
