# The game on Wayland desktops (a headless sway, a headless mutter: each
# check written once, run on each), moved by a mouse's real events: the window and its menu, frames running, and the germ the game
# draws itself, pushed by the walls and reeled by the grabber, a death box
# clicked with the pointer given back where the germ was, the menu clicked
# with the germ.
import math

from harness import (BAR, BLACK, FIELD, H, MENUS, RED, W, WALL, WHITE, MutterSession, SwaySession, WaylandCase, reddish,
                     wait_still, wait_until)
from test_levels import grabber

OK_BUTTON = -51, -23  # the death box's OK from the bottom-right of its inside


class WaylandChecks(WaylandCase):  # run by its subclasses, one a compositor

    def path(self, until, timeout=10):  # the germ's places, each once, until until(places)
        places = [self.germ()]
        try:
            wait_until(lambda: (at := self.germ()) != places[-1] and places.append(at) or until(places), "the germ's path",
                       timeout, 0)
        except AssertionError as failure:
            raise AssertionError(f"{failure}: {places}") from None
        return places

    def test_window_menu_and_level_2_frames_then_escape(self):
        self.launch(3)
        x, y, width, height = self.client
        shot = self.grab(x, y, W, H + BAR)
        self.assertEqual((width, height), (W, H + BAR))
        title = y - self.frame[1]  # above the inside: nothing of the game's on sway, which draws its own; Qt's on mutter
        self.assertTrue(title == 0 if self.compositor is SwaySession else title > 20, title)
        self.assertEqual([[shot.at(cx, BAR + cy) for cx in (0, 50, 244, W - 51, W - 1)] for cy in (0, H // 2, H - 1)],
                         [[WALL, FIELD, FIELD, FIELD, WALL]] * 3)
        for title, (tx, _) in MENUS.items():  # dark text on the light bar
            self.assertTrue(any(max(shot.at(tx + dx, 9 + dy)) < 100 for dx in range(-12, 13) for dy in (-3, 0, 3)), title)
        self.begin("Level 2")
        (x, y, _, _), drifters = self.client, []  # red cells falling: the frames run
        wait_until(lambda: (red := self.grab(x, y + BAR, W, H).find(RED)) and drifters.append(red) or len(
            set(map(tuple, drifters))) > 2, "drifters to fall")
        while self.wid in self.windows():  # a death box may have come first
            self.key((self.boxes() or [self.wid])[0], "Escape")

    def test_every_wall_pushes_the_drawn_germ_back_and_one_flick_past_the_right_wall_kills(self):
        self.launch()
        # 4 px past each wall, a touch; pushed back 20 px a frame for ten frames. A wall a countdown (walls, no
        # hazards, 4.7 s: more are more than a screen cast's late frames leave time for), then a flick.
        for axis, side, out in ((0, 2, 4), (1, 3, 4), (0, 0, -4), (1, 1, -4)):  # right, bottom, left, top
            self.begin("New Game")  # the window's place read after it: mutter may place it only then
            (left, top, right, bottom), at = self.frame, wait_still(self.germ, "the germ to stay")  # frames may come late
            wall = self.frame[side]
            self.mouse.move(*[wall + out - at[axis] if i == axis else 0 for i in (0, 1)])
            back = [wall + out - 200 * (out > 0 or -1) if i == axis else at[i] for i in (0, 1)]
            # Back 200 px from where it went out (a few px off when the screen cast showed the start late); the
            # places where it is whole in the window, where its ring shows whole.
            places = [p for p in self.path(lambda p: p[-1] and math.dist(p[-1], back) <= 4)
                      if p and p != at and left + 8 <= p[0] <= right - 8 and top + 8 <= p[1] <= bottom - 8]
            steps = {b[axis] - a[axis] for a, b in zip(places, places[1:])}
            self.assertTrue(steps and all(step * out < 0 == step % 20 for step in steps), (axis, places))
            # The germ stays out, far past the wall, for the seven frames that kill it.
            self.mouse.move(1500, 0)
            self.key(wait_until(self.boxes, "the death box within 2 s of one flick", 2, 0.02)[0])
        self.key(self.wid, "Escape")

    def test_the_ending_act_shakes_the_picture_5_px_inside_the_window(self):  # no window moves on Wayland
        self.launch(12)
        self.choose("Start", "Ending Act")
        row = lambda: (c := self.follow()) and (shot := self.grab(c[0], c[1] + BAR + H // 2, 8, 1)) and [  # noqa: E731
            shot.at(i, 0) for i in range(8)]
        shaken = wait_until(lambda: (r := row())[5] == WALL != r[4] and r, "the picture 5 px right", 30, 0)
        self.assertTrue(len(set(shaken[:5])) == 1 and not reddish(shaken[0]), shaken)  # the window's ground
        wait_until(lambda: row()[0] == WALL, "the picture back in its place", 30, 0)
        self.key(self.wid, "Escape")

    def test_a_click_with_the_germ_over_start_opens_the_menu_then_enter_closes_the_game(self):
        self.launch()
        self.begin("New Game")
        x, y, _, _ = self.client
        self.move(x + MENUS["Start"][0], y + 9)
        self.mouse.click()
        wait_until(lambda: not reddish(self.grab(x + 52, y + 29, 1, 1).at(0, 0)), "the Start menu to open")
        self.mouse.key("Escape")
        wait_until(lambda: reddish(self.grab(x + 52, y + 29, 1, 1).at(0, 0)), "the Start menu to close")
        self.key(self.wid, "Return")

    def test_level_7_reels_the_drawn_germ_in_5_px_steps_then_the_pointer_clicks_ok_where_it_died(self):
        self.launch(8)
        for attempt in range(4):  # the chaser may kill the germ before the grab
            self.begin("Level 7")
            left, top, _, _ = self.frame
            steps, places, lines = [], [None], []

            def look():  # the mouse untouched until the germ dies
                shot = self.grab(*self.client)
                now, cell = self.germ(shot), grabber(self, shot)
                if cell and places[-1] and now and now != places[-1]:
                    (right_side, _), dx, dy = cell[0], now[0] - places[-1][0], now[1] - places[-1][1]
                    # toward the grabber's side, or not across once the germ lines up with its anchor
                    self.assertTrue(dx % 5 == dy % 5 == 0 and (dx == 0 or (dx > 0) == right_side), (places[-1], now, cell))
                    steps.append((dx, dy))
                if cell and now:  # the white line from its anchor to 15 px above the germ where the hazards see it
                    (right_side, cy), (ex, ey) = cell[0], (now[0] - left, now[1] - top - 15)  # from the outer corner
                    ax = 464 if right_side else 25
                    lines.append(all(WHITE in [shot.at(round(ax + f * (ex - ax)) + dx, round(cy + f * (ey - cy)) + dy)
                                               for dx in range(-4, 5) for dy in range(-4, 5)] for f in (0.3, 0.5, 0.7)))
                places.append(now or places[-1])
                return self.boxes()
            box, = wait_until(look, "a death", 60, 0)
            # Four pulls or more, seen in two steps at least: a busy machine's sparse shots see pulls in pairs.
            if len(steps) >= 2 and sum(max(map(abs, step)) for step in steps) >= 20:
                break
            self.key(box)
        else:
            self.fail("the germ died each time before it was reeled")
        # Under decorations the game draws itself (mutter) the hazards see the germ right of and below where it is
        # drawn by the decorations' left border and top, as under a window manager's frame on X11.
        self.assertTrue(any(lines), (self.client, self.frame, places[-3:]))
        # The germ is drawn until the next frame, the normal pointer then where it died (black, outlined in
        # white), and brought to OK from there.
        wait_until(lambda: not (at := self.germ()) or places.append(at), "the germ to go")
        bx, by, bw, bh = wait_until(lambda: (g := self.geometry(box)) and g[2] > 100 and g, "the box's place")
        (left, top, right, bottom) = self.frame  # the box over the game, where the compositor placed it
        self.assertTrue(left <= bx and bx + bw <= right and top <= by and by + bh <= bottom, (self.frame, (bx, by, bw, bh)))
        (gx, gy), inside = places[-1], lambda p: bx - 3 <= p[0] <= bx + bw + 3 and by - 30 <= p[1] <= by + bh + 3
        x, y, _, _ = self.client  # the level is gone: what is black or white in the play area, the box aside, is the arrow
        arrow = wait_until(lambda: (shot := self.grab(x, y + BAR, W, H)).find(BLACK) and [
            (x + px, y + BAR + py) for px, py in shot.find(BLACK) + shot.find(WHITE) if not inside((x + px, y + BAR + py))],
            "the pointer over the play area", 10)
        # The arrow's top lies about (4, 4) from its hot spot; the last pulls may go unseen (a busy machine, a screen
        # cast's sparse frames): the pointer is on the reel's line, where more 5 px pulls toward the grabber take the
        # germ, each axis pulled until it lines up with the grabber. mutter gives it back up to two pulls short.
        tip, pull = min(arrow, key=lambda p: (p[1], p[0])), [5 * ((d > 0) - (d < 0)) for d in steps[-1]]
        self.assertLess(min(math.dist(tip, (gx + i * pull[0], gy + j * pull[1])) for i in range(-2, 16) for j in range(-2, 16)),
                        7, (tip, steps[-3:], places[-3:]))
        self.mouse.move(bx + bw + OK_BUTTON[0] - tip[0], by + bh + OK_BUTTON[1] - tip[1])
        self.mouse.click()
        wait_until(lambda: not self.boxes(), "the box closed by its OK")
        self.key(self.wid, "Escape")


class SwayTest(WaylandChecks):
    compositor = SwaySession


class MutterTest(WaylandChecks):  # Qt draws the title bar and the border here: the walls are their outer edges
    compositor = MutterSession


del WaylandChecks  # not run on its own: it has no compositor
