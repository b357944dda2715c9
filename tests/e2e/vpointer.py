# A mouse of the tests' own on a Wayland compositor: zwlr_virtual_pointer_v1
# spoken on the wire, no library. A headless seat has no pointer of its own;
# this one is it. Every call ends its event with a frame and a round trip, so
# the compositor has handled it on return (and a protocol error fails here).
import socket, struct, sys, time  # noqa: E401

BTN_LEFT = 0x110


class VirtualPointer:
    def __init__(self, path, width=1920, height=1080):  # the output layout's size, for absolute motion
        self.sock, self.size, self.next_id = socket.socket(socket.AF_UNIX), (width, height), 2
        self.sock.connect(path)
        self.send(1, 1, "I", 2)  # wl_display.get_registry
        manager = next(name for name, iface in self.roundtrip() if iface == "zwlr_virtual_pointer_manager_v1")
        face = b"zwlr_virtual_pointer_manager_v1\0"  # wl_registry.bind(name, interface, version 1, id 4)
        self.send(2, 0, f"II{len(face) + 3 & ~3}sII", manager, len(face), face, 1, 4)
        self.send(4, 0, "II", 0, 5)  # create_virtual_pointer(the default seat) as id 5
        self.next_id = 5  # new ids come in order, without a gap
        self.roundtrip()

    def send(self, obj, opcode, fmt, *args):
        body = struct.pack("<" + fmt, *args)
        self.sock.sendall(struct.pack("<II", obj, len(body) + 8 << 16 | opcode) + body)

    def recv(self, n):
        data = b""
        while len(data) < n:
            data += self.sock.recv(n - len(data)) or sys.exit("the compositor hung up")
        return data

    def roundtrip(self):  # wl_display.sync; returns the registry's globals seen before its done
        self.next_id += 1
        callback, found = self.next_id, []
        self.send(1, 0, "I", callback)
        while True:
            obj, size = struct.unpack("<II", self.recv(8))
            body, opcode = self.recv((size >> 16) - 8), size & 0xFFFF
            if obj == 1 and opcode == 0:  # wl_display.error
                raise RuntimeError("Wayland protocol error: " + body[12:].split(b"\0")[0].decode())
            if obj == 2 and opcode == 0:  # wl_registry.global: name, interface, version
                found.append((body[0:4], body[8:8 + struct.unpack("<I", body[4:8])[0] - 1].decode()))
            if obj == callback:
                return [(struct.unpack("<I", name)[0], iface) for name, iface in found]

    def event(self, opcode, fmt, *args):
        self.send(5, opcode, "I" + fmt, int(time.monotonic() * 1000) & 0xFFFFFFFF, *args)
        self.send(5, 4, "")  # frame
        self.roundtrip()

    def move(self, dx, dy):  # relative motion, as a mouse sends it
        self.event(0, "ii", round(dx * 256), round(dy * 256))  # wl_fixed

    def abs(self, x, y):  # to a point of the layout
        self.event(1, "IIII", x, y, *self.size)

    def click(self):  # the left button down, then up
        for down in (1, 0):
            self.event(2, "II", BTN_LEFT, down)
