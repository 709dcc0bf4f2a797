"""The song as a grid of tracker cells, cut into XM patterns at the end."""
from xm import KEY_OFF, Cell

STEPS_PER_BAR = 16   # four rows per beat
SPEED = 6            # ticks per row: the XM tempo then equals beats per minute


def xm_note(midi):
    n = midi - 11
    if not 1 <= n <= 96:
        raise ValueError(f"note {midi} out of the tracker's range")
    return n


class Score:
    def __init__(self, channels, bars):
        self.channels = channels
        self.rows = [dict() for _ in range(bars * STEPS_PER_BAR)]

    def _cell(self, ch, row):
        cell = self.rows[row].get(ch)
        if cell is None:
            cell = self.rows[row][ch] = Cell()
        return cell

    def note(self, ch, row, midi, ins, vol=None, effect=None):
        if row >= len(self.rows):
            return
        cell = self._cell(ch, row)
        cell.note = xm_note(midi)
        cell.instrument = ins
        cell.volume = 0x10 + max(0, min(64, int(vol))) if vol is not None else 0
        if effect:
            cell.effect, cell.param = effect

    def off(self, ch, row):
        """Key-off unless something already starts on that row."""
        if row < len(self.rows) and not self._cell(ch, row).note:
            self.rows[row][ch].note = KEY_OFF

    def effect(self, ch, row, effect, param):
        if row < len(self.rows):
            cell = self._cell(ch, row)
            if not cell.effect and not cell.param:
                cell.effect, cell.param = effect, param

    def volume(self, ch, row, vol):
        if row < len(self.rows):
            self._cell(ch, row).volume = 0x10 + max(0, min(64, int(vol)))

    def busy(self, ch, row):
        cell = self.rows[row].get(ch) if row < len(self.rows) else None
        return cell is not None and cell.note != 0

    def patterns(self, section_bars, bars_per_pattern=4):
        """Cut at section boundaries into patterns of at most bars_per_pattern bars.

        Identical patterns are stored once. Returns (patterns, order, first order
        index of every section)."""
        patterns, order, index, starts = [], [], {}, []
        row = 0
        for bars in section_bars:
            starts.append(len(order))
            left = bars
            while left > 0:
                take = min(bars_per_pattern, left)
                rows = self.rows[row:row + take * STEPS_PER_BAR]
                key = tuple(tuple(sorted((c, cell.fields()) for c, cell in r.items())) for r in rows)
                if key not in index:
                    index[key] = len(patterns)
                    patterns.append(rows)
                order.append(index[key])
                row += take * STEPS_PER_BAR
                left -= take
        return patterns, order, starts
