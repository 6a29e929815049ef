"""Writes a sprite sheet source: a PNG strip of frames and the text description of its animations."""

import os

from gen.canvas import blank


class Sheet:
    def __init__(self, title):
        self.title = title
        self.frames = []
        self.animations = []

    def add_frames(self, images):
        """Appends frames and returns their frame numbers."""
        first = len(self.frames)
        self.frames.extend(images)
        return list(range(first, len(self.frames)))

    def add_animation(self, fps, frame_numbers, note):
        for number in frame_numbers:
            if not 0 <= number < len(self.frames):
                raise ValueError('%s: animation uses missing frame %d' % (self.title, number))
        self.animations.append((fps, list(frame_numbers), note))

    def _rows(self):
        """Groups frames into rows of equal-sized frames, one row per size, in frame order."""
        rows = []
        for frame in self.frames:
            if rows and rows[-1][0].size == frame.size:
                rows[-1].append(frame)
            else:
                rows.append([frame])
        return rows

    def image(self):
        rows = self._rows()
        width = max(sum(f.width for f in row) for row in rows)
        height = sum(row[0].height for row in rows)
        result = blank(width, height)
        y = 0
        for row in rows:
            x = 0
            for frame in row:
                result.paste(frame, (x, y))
                x += frame.width
            y += row[0].height
        return result

    def description(self):
        lines = ['# %s' % self.title, '# Frames: left to right, one row per frame size.']
        y = 0
        for row in self._rows():
            w, h = row[0].size
            lines.append('grid 0 %d %d %d %d' % (y, w, h, len(row)))
            y += h
        lines.append('')
        for number, (fps, frames, note) in enumerate(self.animations):
            lines.append('# animation %d: %s' % (number, note))
            lines.append('animation %s %s' % (format_fps(fps), ' '.join(str(f) for f in frames)))
        return '\n'.join(lines) + '\n'

    def save(self, directory, name):
        self.image().save(os.path.join(directory, name + '.png'))
        with open(os.path.join(directory, name + '.txt'), 'w') as out:
            out.write(self.description())


def format_fps(fps):
    text = ('%.3f' % fps).rstrip('0').rstrip('.')
    return text
