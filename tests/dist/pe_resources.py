#!/usr/bin/env python3
"""Reads the resource directory of a Windows program without running it.

    pe_resources.py <file.exe> manifest   prints the RT_MANIFEST resource with id 1
    pe_resources.py <file.exe> version    prints the fixed file version and the
                                          string table as "block/key=value" lines
Exit code 1 when the resource is missing or the file is not a PE image.
"""
import struct
import sys

RT_VERSION = 16
RT_MANIFEST = 24


class Image:
    """A PE image as a file: headers, sections and reads by relative address.
    Both PE32 (i386) and PE32+ (x86_64) are read; callers that need one of them
    check `machine`."""

    MACHINES = {0x14C: "i386", 0x8664: "x86_64"}

    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise ValueError("not an MZ image")
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("no PE header")
        machine, region_count, optional_size = struct.unpack_from("<HH12xH", data, pe + 4)
        self.machine = self.MACHINES.get(machine, "unknown (0x%x)" % machine)
        optional = pe + 24
        magic = struct.unpack_from("<H", data, optional)[0]
        if magic == 0x10B:
            self.pointer_size = 4
            self.image_base = struct.unpack_from("<I", data, optional + 28)[0]
            self.directories = optional + 96
        elif magic == 0x20B:
            self.pointer_size = 8
            self.image_base = struct.unpack_from("<Q", data, optional + 24)[0]
            self.directories = optional + 112
        else:
            raise ValueError("unknown optional header 0x%x" % magic)
        # Data directory 2: resources.
        self.rsrc_rva, self.rsrc_size = self.directory(2)
        # (rva, mapped size, file offset, characteristics) of each section.
        self.regions = []
        table = optional + optional_size
        for i in range(region_count):
            vsize, rva, raw_size, raw_ptr, flags = struct.unpack_from("<8xIIII12xI", data,
                                                                       table + 40 * i)
            self.regions.append((rva, max(vsize, raw_size), raw_ptr, flags))

    def directory(self, index):
        """(rva, size) of data directory `index`."""
        return struct.unpack_from("<II", self.data, self.directories + 8 * index)

    def offset(self, rva):
        for start, size, raw, _ in self.regions:
            if start <= rva < start + size:
                return raw + rva - start
        raise ValueError("address 0x%x outside the mapped image" % rva)

    def maps(self, rva):
        return any(start <= rva < start + size for start, size, _, _ in self.regions)

    def executable(self, rva):
        return any(start <= rva < start + size and flags & 0x20000000
                   for start, size, _, flags in self.regions)

    def u32(self, rva):
        return struct.unpack_from("<I", self.data, self.offset(rva))[0]

    def pointer(self, rva):
        return struct.unpack_from("<Q" if self.pointer_size == 8 else "<I", self.data,
                                  self.offset(rva))[0]

    def text(self, rva, limit=512):
        """The NUL-terminated bytes at rva (at most `limit`), or None when unterminated."""
        at = self.offset(rva)
        end = self.data.find(b"\0", at, at + limit)
        return None if end < 0 else self.data[at:end]

    def entries(self, directory_rva):
        base = self.offset(self.rsrc_rva)
        at = self.offset(directory_rva)
        named, numbered = struct.unpack_from("<12xHH", self.data, at)
        for i in range(named + numbered):
            name, target = struct.unpack_from("<II", self.data, at + 16 + 8 * i)
            if name & 0x80000000:
                length = struct.unpack_from("<H", self.data, base + (name & 0x7FFFFFFF))[0]
                start = base + (name & 0x7FFFFFFF) + 2
                key = self.data[start:start + 2 * length].decode("utf-16-le")
            else:
                key = name
            yield key, target

    def resource(self, kind, ident):
        """Bytes of the first language of resource (kind, ident), or None."""
        for key, target in self.entries(self.rsrc_rva):
            if key != kind or not target & 0x80000000:
                continue
            for key2, target2 in self.entries(self.rsrc_rva + (target & 0x7FFFFFFF)):
                if key2 != ident or not target2 & 0x80000000:
                    continue
                for _, leaf in self.entries(self.rsrc_rva + (target2 & 0x7FFFFFFF)):
                    rva, size = struct.unpack_from("<II", self.data, self.offset(self.rsrc_rva + leaf))
                    start = self.offset(rva)
                    return self.data[start:start + size]
        return None


def version_lines(blob):
    """The fixed file version and every string of a VS_VERSIONINFO block."""
    lines = []

    def walk(at, end, path):
        while at + 6 <= end:
            length, value_length, is_text = struct.unpack_from("<HHH", blob, at)
            if length == 0:
                break
            key_end = at + 6
            while blob[key_end:key_end + 2] != b"\0\0":
                key_end += 2
            key = blob[at + 6:key_end].decode("utf-16-le")
            value_at = (key_end + 2 + 3) & ~3
            child_path = path + [key]
            if key == "VS_VERSION_INFO" and value_length >= 52:
                ms, ls = struct.unpack_from("<II", blob, value_at + 8)
                lines.append("FileVersion=%d.%d.%d.%d" % (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF))
                ms, ls = struct.unpack_from("<II", blob, value_at + 16)
                lines.append("ProductVersion=%d.%d.%d.%d" % (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF))
            value_bytes = value_length * 2 if is_text else value_length
            if is_text and len(path) == 3 and path[1] == "StringFileInfo":
                text = blob[value_at:value_at + value_bytes].decode("utf-16-le").rstrip("\0")
                lines.append("%s/%s=%s" % (path[2], key, text))
            elif key == "Translation":
                for i in range(0, value_length, 4):
                    language, codepage = struct.unpack_from("<HH", blob, value_at + i)
                    lines.append("Translation=%04X%04X" % (language, codepage))
            children = (value_at + value_bytes + 3) & ~3
            walk(children, at + length, child_path)
            at = (at + length + 3) & ~3

    walk(0, len(blob), [])
    return lines


def main(argv):
    if len(argv) != 3 or argv[2] not in ("manifest", "version"):
        print(__doc__, file=sys.stderr)
        return 2
    try:
        with open(argv[1], "rb") as f:
            image = Image(f.read())
    except (OSError, ValueError, struct.error) as error:
        print("pe_resources: %s: %s" % (argv[1], error), file=sys.stderr)
        return 1
    if argv[2] == "manifest":
        blob = image.resource(RT_MANIFEST, 1)
        if blob is None:
            return 1
        sys.stdout.write(blob.decode("utf-8"))
        return 0
    blob = image.resource(RT_VERSION, 1)
    if blob is None:
        return 1
    for line in version_lines(blob):
        print(line)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
