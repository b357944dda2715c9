"""What the pixels of a client-area shot say: centred text, falling discs."""
from harness import CLIENT_H, CLIENT_W
from xtools import wait_until

WHITE = (255, 255, 255)
DRIFTER_RED = (250, 0, 0)

# Centred texts (countdown, level titles) have their top edge on the client's
# middle row and are centred on x = 244; the band covers the widest of them.
TEXT_BAND = (CLIENT_W // 2 - 60, CLIENT_H // 2 - 2, CLIENT_W // 2 + 61, CLIENT_H // 2 + 20)


def _band(shot):
    x0, y0, x1, y1 = TEXT_BAND
    return [(cx, shot.client_pixel(cx, cy))
            for cy in range(y0, y1) for cx in range(x0, x1)]


def centre_text(shot):
    """(leftmost, rightmost) column of a black-on-white text at the centre,
    or None when the centre shows no such text."""
    band = _band(shot)
    white = [cx for cx, rgb in band if rgb == WHITE]
    dark = [cx for cx, rgb in band if max(rgb) < 80]
    if len(white) < 30 or len(dark) < 10:
        return None
    return min(white), max(white)


def centre_texts_until_cleared(game, timeout=20):
    """Distinct centre texts, as (left, right) extents, in order of appearance,
    until the centre shows no text again."""
    seen = []

    def watch():
        text = centre_text(game.shot())
        if text and text not in seen:
            seen.append(text)
        return seen and text is None
    wait_until(watch, timeout, "the centre texts to come and go", 0.02)
    return seen


def drifter_pixels(shot):
    """Client positions of the drifters' bright red fill."""
    return [(cx, cy) for cy in range(0, CLIENT_H, 3) for cx in range(0, CLIENT_W, 3)
            if shot.client_pixel(cx, cy) == DRIFTER_RED]


def topmost_disc(points):
    """Centre column and lowest row of the disc nearest the top, from its pixels."""
    if not points:
        return None
    top_x, top_y = min(points, key=lambda p: p[1])
    disc = [(x, y) for x, y in points if abs(x - top_x) <= 50 and top_y <= y <= top_y + 50]
    xs = sorted(x for x, _ in disc)
    return xs[len(xs) // 2], max(y for _, y in disc)


def outlined_in_black(shot, points):
    """True when, above some fill pixel lying wholly on screen, the red fill
    ends in a black pixel: the drifter's outline."""
    for cx, cy in points:
        if cy < 60:  # the disc may still reach above the client's top
            continue
        while cy > 0 and shot.client_pixel(cx, cy - 1) == DRIFTER_RED:
            cy -= 1
        if shot.client_pixel(cx, cy - 1) == (0, 0, 0):
            return True
    return False
