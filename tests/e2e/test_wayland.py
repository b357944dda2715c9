# The game on Wayland desktops (a headless sway, a headless mutter: each
# check written once, run on each), moved by a mouse's real events: the window and its menu, frames running, and the germ the game
# draws itself, pushed by the walls and reeled by the grabber, a death box
# clicked with the pointer given back where the germ was, the menu clicked
# with the germ.
import math

from harness import BAR, BLACK, FIELD, H, MENUS, RED, W, WALL, WHITE, MutterSession, SwaySession, WaylandCase, reddish, wait_until
from test_levels import grabber

OK_BUTTON = -51, -23  # the death box's OK from the bottom-right of its inside


class WaylandChecks(WaylandCase):  # run by its subclasses, one a compositor

    def path(self, until, timeout=10):  # the germ's places, each once, until until(places)
        places = [self.germ()]
        wait_until(lambda: (at := self.germ()) != places[-1] and places.append(at) or until(places), "the germ's path",
                   timeout, 0)
        return places

    def test_window_menu_and_level_2_frames_then_escape(self):
        self.launch(3)
        x, y, width, height = self.client
        shot = self.grab(x, y, W, H + BAR)
        self.assertEqual((width, height), (W, H + BAR))
        self.assertEqual([[shot.at(cx, BAR + cy) for cx in (0, 50, 244, W - 51, W - 1)] for cy in (0, H // 2, H - 1)],
                         [[WALL, FIELD, FIELD, FIELD, WALL]] * 3)
        for title, (tx, _) in MENUS.items():  # dark text on the light bar
            self.assertTrue(any(max(shot.at(tx + dx, 9 + dy)) < 100 for dx in range(-12, 13) for dy in (-3, 0, 3)), title)
        self.begin("Level 2")
        drifters = []  # red cells falling: the frames run
        wait_until(lambda: (red := self.grab(x, y + BAR, W, H).find(RED)) and drifters.append(red) or len(
            set(map(tuple, drifters))) > 2, "drifters to fall")
        while self.wid in self.windows():  # a death box may have come first
            self.key((self.boxes() or [self.wid])[0], "Escape")

    def test_walls_push_the_drawn_germ_back_a_flick_is_one_touch_and_seven_kill(self):
        self.launch()
        self.begin("New Game")  # its countdown has walls and no hazards
        (left, _, right, _), (x, y) = self.frame, self.germ()
        for flick, back in ((3000, right - 200), (-3000, left + 200)):  # far past the window: on its edge, pushed back
            self.mouse.move(flick, 0)
            places = self.path(lambda p: p[-1] == (back, y))
            steps = {b[0] - a[0] for a, b in zip(places, places[1:])}
            self.assertTrue(len(places) > 4 and all(step * flick < 0 == step % 20 for step in steps), places)
        self.key(wait_until(lambda: self.mouse.move(-3000, 0) or self.boxes(), "a touch a frame to kill", 10, 0)[0])
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
            steps, places = [], [None]

            def look():  # the mouse untouched until the germ dies
                shot = self.grab(*self.client)
                now, cell = self.germ(shot), grabber(self, shot)
                if cell and places[-1] and now and now != places[-1]:
                    (right_side, _), dx, dy = cell[0], now[0] - places[-1][0], now[1] - places[-1][1]
                    self.assertTrue(dx % 5 == dy % 5 == 0 and (dx > 0) == right_side, (places[-1], now, cell))
                    steps.append((dx, dy))
                places.append(now or places[-1])
                return self.boxes()
            box, = wait_until(look, "a death", 60, 0)
            if len(steps) >= 4:
                break
            self.key(box)
        else:
            self.fail("the germ died each time before it was reeled")
        # The germ is drawn until the next frame, the normal pointer then where it died (black, outlined in
        # white), and brought to OK from there.
        wait_until(lambda: not (at := self.germ()) or places.append(at), "the germ to go")
        bx, by, bw, bh = wait_until(lambda: (g := self.geometry(box)) and g[2] > 100 and g, "the box's place")
        (left, top, right, bottom) = self.frame  # the box over the game, where the compositor placed it
        self.assertTrue(left <= bx and bx + bw <= right and top <= by and by + bh <= bottom, (self.frame, (bx, by, bw, bh)))
        (gx, gy), inside = places[-1], lambda p: bx - 3 <= p[0] <= bx + bw + 3 and by - 30 <= p[1] <= by + bh + 3
        arrow = wait_until(lambda: (shot := self.grab(gx - 30, gy - 30, 60, 60)).find(BLACK) and [
            (gx - 30 + x, gy - 30 + y) for x, y in shot.find(BLACK) + shot.find(WHITE) if not inside((gx - 30 + x, gy - 30 + y))],
            "the pointer where the germ died", 10)
        tip = min(arrow, key=lambda p: (p[1], p[0]))
        self.assertLess(math.dist(tip, (gx, gy)), 9, (tip, places[-3:]))  # one last pull may go unseen
        self.mouse.move(bx + bw + OK_BUTTON[0] - tip[0], by + bh + OK_BUTTON[1] - tip[1])
        self.mouse.click()
        wait_until(lambda: not self.boxes(), "the box closed by its OK")
        self.key(self.wid, "Escape")


class SwayTest(WaylandChecks):
    compositor = SwaySession


class MutterTest(WaylandChecks):  # Qt draws the title bar and the border here: the walls are their outer edges
    compositor = MutterSession

    def test_right_and_bottom_walls_push_the_germ_back(self):
        self.launch()
        self.begin("New Game")
        (_, _, right, bottom), (x, y) = self.frame, self.germ()
        for dx, dy in ((right - x, 0), (0, bottom - y)):
            self.mouse.move(dx, dy)
            wait_until(lambda: (at := self.germ()) and (at[0] <= right - 100 if dx else at[1] <= bottom - 100), "a push back")
            self.mouse.move(x - self.germ()[0], y - self.germ()[1])
        self.key(self.wid, "Escape")


del WaylandChecks  # not run on its own: it has no compositor
