// The balance figures of a game wave by wave, written as comma-separated values.
#include "autoplay/WaveCsv.h"

namespace autoplay {

const char* const WaveCsvColumns[11] = {"difficulty",      "strategy",     "wave",         "invaders",
                                        "starting_health", "damage_dealt", "money_earned", "money_spent",
                                        "towers_standing", "health_left", "threat_percent"};

void writeWaveCsvHeader(std::ostream& out)
{
    const char* separator = "";
    for (const char* column : WaveCsvColumns) {
        out << separator << column;
        separator = ",";
    }
    out << '\n';
}

void writeWaveCsvRows(std::ostream& out, const std::string& difficulty, const std::string& strategy,
                      const std::vector<WaveRecord>& rows)
{
    // Difficulty and strategy names are plain words, so no field needs quoting.
    for (const WaveRecord& row : rows)
        out << difficulty << ',' << strategy << ',' << row.wave << ',' << row.invaders << ',' << row.startingHealth << ','
            << row.damageDealt << ',' << row.moneyEarned << ',' << row.moneySpent << ',' << row.towersStanding
            << ',' << row.healthLeft << ',' << row.threatPercent << '\n';
}

} // namespace autoplay
