"""A player who hears only Orca: reads the texts the speech service received from its log
and answers with keys (xdotool), as a blind player would.

Run by orca_play.sh with the log's path and the most keys to press: on the opening screen
Alt+E (the easiest level) and Enter; then in the maze it keeps its own map by dead
reckoning from the words of each step and turn ("three cells; left after one. Open
right."), reads the counters once with Orca's flat review, turns only to hear a way it has
not heard of, walks forward to the nearest place with something unheard or a box heard of
(its food keeps it going), and steps into the exit once heard of. A lost game is closed and
a new one started, as a player would. Exits 0 once Orca reads the winner screen, 1
otherwise.
"""

import collections
import html
import re
import subprocess
import sys
import time

LOG, ALLOWED = sys.argv[1], int(sys.argv[2])
STEPS = [(-1, 0), (0, 1), (1, 0), (0, -1)]  # north, east, south, west of its own map
NUMBERS = ["no", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine",
           "ten", "eleven", "twelve"]
said_count = 0


def said():
    """Every text the service has received so far: Orca sends each as SSML, whose marks
    are left out here."""
    try:
        with open(LOG, errors="replace") as log:
            lines = [line.split("DATA:|", 1)[1].rstrip("\r\n") for line in log if "DATA:|" in line]
    except OSError:
        return []
    return [html.unescape(re.sub(r"<[^>]*>", "", line)).strip() for line in lines
            if line.startswith("<speak>")]


def new_words(wait, until=None):
    """The texts received after the last call, waiting up to wait seconds for one that
    until accepts (or for any, without until), then a moment for the rest of them."""
    global said_count
    end = time.time() + wait
    while time.time() < end:
        texts = said()[said_count:]
        if texts and (until is None or any(until(t) for t in texts)):
            time.sleep(0.15)
            texts = said()[said_count:]
            said_count += len(texts)
            return texts
        time.sleep(0.05)
    texts = said()[said_count:]
    said_count += len(texts)
    return texts


def key(name):
    subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=False)


def number(word):
    return NUMBERS.index(word) if word in NUMBERS else int(word) if word.isdigit() else -1


def plus(cell, heading, times=1):
    return (cell[0] + times * STEPS[heading][0], cell[1] + times * STEPS[heading][1])


class Listener:
    def __init__(self):
        self.at, self.heading = (0, 0), 0
        self.map = {(0, 0): "open"}
        self.boxes = set()

    def hear_view(self, sentence):
        parts = sentence.split("; ")
        first = parts[0]
        if sentence == "standing in the exit":
            return True
        if first == "the exit ahead":
            self.map[plus(self.at, self.heading)] = "exit"
            return True
        if first in ("a wall", "a wall with the map of the maze"):
            self.map[plus(self.at, self.heading)] = "wall"
            return True
        words = first.split(" ")
        if len(words) < 2 or not words[1].startswith("cell") or number(words[0]) < 0:
            return False
        depth = number(words[0])
        left, right = (self.heading + 3) % 4, (self.heading + 1) % 4
        for d in range(1, depth + 1):
            self.map[plus(self.at, self.heading, d)] = "open"
        exit_ahead = len(parts) > 1 and parts[1].startswith("the exit ")
        for d in range(1, min(depth, 3) + 1):
            if not exit_ahead:
                self.map[plus(plus(self.at, self.heading, d), left)] = "wall"
                self.map[plus(plus(self.at, self.heading, d), right)] = "wall"
        if words[-1] != "more":
            self.map[plus(self.at, self.heading, depth + 1)] = "wall"
        for part in parts:
            box = re.fullmatch(r"box (?:(\w+) )?ahead", part)
            if box:
                self.boxes.add(plus(self.at, self.heading, number(box[1] or "one")))
            if part.startswith("the exit "):
                self.map[plus(self.at, self.heading, depth + 1)] = "exit"
            if " after " not in part:
                continue
            side = plus(self.at, self.heading, number(part.split(" after ")[1]))
            if part.startswith(("both sides", "left")):
                self.map[plus(side, left)] = "open"
            if part.startswith(("both sides", "right")):
                self.map[plus(side, right)] = "open"
        return True

    def hear(self, texts):
        """Takes in what the texts say of the way ahead and the sides of this cell; false
        when they say nothing of them."""
        heard, left, right = False, False, False
        for text in texts:
            for sentence in re.split(r"(?<=[.!?:]) ", text.strip()):
                sentence = sentence.rstrip(".")
                if self.hear_view(sentence):
                    heard = True
                if sentence.startswith("Open "):
                    left = sentence in ("Open left", "Open both sides")
                    right = sentence in ("Open right", "Open both sides")
        if heard and self.map.get(self.at) != "exit":
            self.map[plus(self.at, (self.heading + 3) % 4)] = "open" if left else "wall"
            self.map[plus(self.at, (self.heading + 1) % 4)] = "open" if right else "wall"
        return heard

    def next_key(self):
        exit_heard = "exit" in self.map.values()

        def unheard(c):
            return next((h for h in range(4) if plus(c, h) not in self.map), -1)

        if unheard(self.at) >= 0 and not exit_heard:
            return self.turn_towards(unheard(self.at))
        first = {self.at: -1}
        queue = collections.deque([self.at])
        while queue:
            c = queue.popleft()
            goal = self.map[c] == "exit" if exit_heard else unheard(c) >= 0 or c in self.boxes
            if goal and c != self.at:
                h = first[c]
                return "Up" if h == self.heading else self.turn_towards(h)
            if self.map[c] == "exit":
                continue
            for h in range(4):
                n = plus(c, h)
                if self.map.get(n, "wall") == "wall" or n in first:
                    continue
                first[n] = h if c == self.at else first[c]
                queue.append(n)
        return None

    def turn_towards(self, h):
        return "Left" if h == (self.heading + 3) % 4 else "Right"

    def moved(self, k):
        if k == "Left":
            self.heading = (self.heading + 3) % 4
        elif k == "Right":
            self.heading = (self.heading + 1) % 4
        elif k == "Up":
            self.at = plus(self.at, self.heading)
            self.boxes.discard(self.at)

    def blocked(self):
        self.at = plus(self.at, (self.heading + 2) % 4)
        self.map[plus(self.at, self.heading)] = "wall"


def says_view(text):
    """True when the text says something of the way ahead or the sides."""
    return Listener().hear([text])


def start_game():
    """From the opening screen, as Orca reads it when it shows: the easiest level, then
    Enter. Returns the player's fresh map of the new maze."""
    listener = Listener()
    if not any("Enter" in t for t in new_words(20, lambda t: "Enter" in t)):
        print("FAILED: Orca read no opening screen")
    key("alt+e")
    new_words(5, lambda t: "Easy" in t)
    key("Return")
    words = new_words(30, lambda t: listener.hear([t]))
    print("heard at the start:", words)
    listener.hear(words)
    return listener


def main():
    listener = start_game()
    # Orca's own review keys reach the counters: the keypad's 9 reads the next line.
    for _ in range(10):
        key("KP_9")
        if any(t.startswith("Compass Food") for t in new_words(3, lambda t: "Food" in t)):
            break
    else:
        print("FAILED: Orca's flat review did not reach the counters")
        return 1
    for action in range(ALLOWED):
        k = listener.next_key()
        if k is None:
            print("FAILED: nowhere left to go")
            return 1
        listener.moved(k)
        key(k)
        # Every key is answered (a busy machine may take seconds); a step into a wall
        # that was not heard of says nothing of the way ahead.
        words = new_words(10, lambda t: says_view(t) or "Winner" in t or "You Lose" in t)
        print(f"{action + 1}: {k} -> {words}")
        if any("Winner" in t for t in words):
            print(f"ok: won by Orca's words in {action + 1} keys: {words}")
            return 0
        if any("You Lose" in t for t in words):
            # Out of food: Enter closes the end screen and the opening screen comes back.
            print(f"lost after {action + 1} keys; a new game")
            key("Return")
            listener = start_game()
            continue
        if not listener.hear(words) and k == "Up":
            listener.blocked()
    print(f"FAILED: not won in {ALLOWED} keys")
    return 1


if __name__ == "__main__":
    sys.exit(main())
