#!/usr/bin/env python3
"""Checks the program and its libraries as files, without running them, so that
a machine that cannot start them still knows whether they would start.

    check_binaries.py --system <folder of system DLLs> [--machine i386|x86_64]
                      <program.exe> [<library.dll> ...]

The libraries after the program are its own (the hook libraries). Each file must
be built for the machine named, and:
  - every DLL it imports, plainly or delay-loaded, is one of the program's own
    libraries or a system DLL found in the folder given (never a compiler runtime);
  - every function it imports is exported by that DLL;
  - every delay-load slot points at its own thunk before the first call: a slot
    left 0 (what i686 ld writes when it drops the unreferenced thunks) sends the
    first call to address 0;
  - no DLL is both delay-loaded and imported plainly: a function missing from the
    delay list links from the plain import library, and the DLL is then loaded
    at start after all;
  - every function the program asks its own libraries for by name is exported
    (read from the records of HookLibraryTraits, src/triggers/hook_library_win32.h).
Prints one line per problem, naming the file and the function; exit code 1 when
there is any.
"""
import argparse
import os
import re
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pe_resources import Image  # noqa: E402

# Runtimes of the cross compiler: a program that needs them does not start on a
# Windows machine that lacks them, and Windows never has them.
COMPILER_RUNTIMES = re.compile(r"^(libgcc_s_.*|libstdc\+\+-\d+|libwinpthread-\d+|libssp-\d+)\.dll$",
                               re.IGNORECASE)
IDENTIFIER = re.compile(rb"^[A-Za-z_][A-Za-z0-9_@?$]*$")


def exports(image):
    """Names and ordinals a DLL exports."""
    rva, size = image.directory(0)
    if rva == 0 or size == 0:
        return set(), set()
    at = image.offset(rva)
    base, count, name_count, _, names_rva = struct.unpack_from("<16xIIIII", image.data, at)
    names = {image.text(image.u32(names_rva + 4 * i)).decode("ascii", "replace")
             for i in range(name_count)}
    return names, set(range(base, base + count))


def thunk_entries(image, names_rva):
    """(name or None, ordinal or None, index) of each entry of an import name table."""
    flag = 1 << (8 * image.pointer_size - 1)
    index = 0
    while True:
        value = image.pointer(names_rva + index * image.pointer_size)
        if value == 0:
            return
        if value & flag:
            yield None, value & 0xFFFF, index
        else:
            yield image.text(value + 2).decode("ascii", "replace"), None, index
        index += 1


def plain_imports(image):
    """(dll, name, ordinal) of each import of the import directory."""
    rva, _ = image.directory(1)
    if rva == 0:
        return
    while True:
        lookup, _, _, name_rva, first = struct.unpack_from("<IIIII", image.data, image.offset(rva))
        if name_rva == 0:
            return
        dll = image.text(name_rva).decode("ascii", "replace")
        for name, ordinal, _ in thunk_entries(image, lookup or first):
            yield dll, name, ordinal
        rva += 20


def delay_descriptors(image):
    """(dll, slots rva, names rva) of each delay-load descriptor. GNU ld leaves the
    delay-import data directory empty, so the descriptors are also found by their
    shape: attributes 1 (addresses relative), then the RVAs of a DLL name, a module
    handle, the slots and the name table."""
    found = {}
    rva, size = image.directory(13)
    candidates = [rva + 32 * i for i in range(size // 32)] if rva else []
    for start, length, raw, flags in image.regions:
        if flags & 0x80000000 and not flags & 0x20000000:
            continue  # a writable data section holds the slots, not the descriptors
        block = image.data[raw:raw + length]
        for match in re.finditer(rb"\x01\x00\x00\x00", block):
            if match.start() % 4 == 0:
                candidates.append(start + match.start())
    for at in candidates:
        try:
            attributes, name_rva, handle_rva, slots_rva, names_rva = struct.unpack_from(
                "<IIIII", image.data, image.offset(at))
            if attributes != 1 or not all(image.maps(r) for r in (name_rva, handle_rva, slots_rva,
                                                                  names_rva)):
                continue
            dll = image.text(name_rva, 64)
        except (ValueError, struct.error):
            continue
        if dll and IDENTIFIER.match(dll.replace(b".", b"_")) and dll.lower().endswith(b".dll"):
            found[at] = (dll.decode("ascii"), slots_rva, names_rva)
    return list(found.values())


def thunk_problem(image, slot_rva, target):
    """Why the slot's value is not its own thunk, or None when it is. dlltool's thunk
    loads the slot's address and jumps to the shared loader: i386 `mov eax, <slot>`,
    x86_64 `lea rax, [rip + <slot>]`."""
    if target == 0:
        return "is 0, so the first call jumps to address 0"
    rva = target - image.image_base
    if not image.executable(rva):
        return "points at 0x%x, outside the program's code" % target
    code = image.data[image.offset(rva):image.offset(rva) + 7]
    if image.pointer_size == 4 and code[:1] == b"\xb8":
        if struct.unpack_from("<I", code, 1)[0] == image.image_base + slot_rva:
            return None
    if image.pointer_size == 8 and code[:3] == b"\x48\x8d\x05":
        if rva + 7 + struct.unpack_from("<i", code, 3)[0] == slot_rva:
            return None
    return "points at 0x%x, which is not a thunk for this slot" % target


def requested_exports(image, library):
    """The names the program asks `library` for by name: a record in the program's
    constant data (a HookLibraryTraits) names the library's file, then its
    exports, as pointers."""
    wanted = library.encode("ascii") + b"\0"
    strings = set()
    for start, length, raw, _ in image.regions:
        block = image.data[raw:raw + length]
        for match in re.finditer(re.escape(wanted), block, re.IGNORECASE):
            strings.add(image.image_base + start + match.start())
    size = image.pointer_size
    form = "<Q" if size == 8 else "<I"
    names = []
    for start, length, raw, _ in image.regions:
        for at in range(0, length - size + 1, size):
            if raw + at + size > len(image.data):
                break
            if struct.unpack_from(form, image.data, raw + at)[0] not in strings:
                continue
            rva = start + at + size
            while True:
                try:
                    text = image.text(image.pointer(rva) - image.image_base, 128)
                except (ValueError, struct.error):
                    break
                if not text or not IDENTIFIER.match(text):
                    break
                names.append(text.decode("ascii"))
                rva += size
    return strings, names


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--system", required=True, help="folder of the system DLLs to check against")
    parser.add_argument("--machine", default="i386", choices=("i386", "x86_64"))
    parser.add_argument("program")
    parser.add_argument("libraries", nargs="*")
    args = parser.parse_args(argv)

    problems = []
    images = {}
    for path in [args.program] + args.libraries:
        try:
            with open(path, "rb") as f:
                images[path] = Image(f.read())
        except (OSError, ValueError, struct.error) as error:
            problems.append("%s: cannot be read as a Windows program: %s" % (path, error))
    own = {os.path.basename(p).lower(): images[p] for p in args.libraries if p in images}
    own_names = {os.path.basename(p).lower(): os.path.basename(p) for p in args.libraries}
    system = {}

    def dll_exports(dll):
        key = dll.lower()
        if key in own:
            return exports(own[key])
        if key not in system:
            path = os.path.join(args.system, key)
            try:
                with open(path, "rb") as f:
                    system[key] = exports(Image(f.read()))
            except (OSError, ValueError, struct.error):
                system[key] = None
        return system[key]

    def check_import(file, dll, name, ordinal, how):
        if COMPILER_RUNTIMES.match(dll):
            problems.append("%s: needs %s, a compiler runtime that Windows does not have" % (file, dll))
            return
        table = dll_exports(dll)
        if table is None:
            problems.append("%s: needs %s, which is not a system DLL (not in %s)" % (file, dll, args.system))
        elif name is not None and name not in table[0]:
            problems.append("%s: %s %s from %s, which does not export it" % (file, how, name, dll))
        elif name is None and ordinal not in table[1]:
            problems.append("%s: %s ordinal %d from %s, which does not export it" % (file, how, ordinal, dll))

    counts = []
    for path, image in images.items():
        file = os.path.basename(path)
        if image.machine != args.machine:
            problems.append("%s: built for %s, not %s" % (file, image.machine, args.machine))
        plain = 0
        plainly = {}
        for dll, name, ordinal in plain_imports(image):
            check_import(file, dll, name, ordinal, "imports")
            plainly.setdefault(dll.lower(), []).append(name or "#%d" % ordinal)
            plain += 1
        delayed = 0
        for dll, slots_rva, names_rva in delay_descriptors(image):
            if dll.lower() in plainly:
                problems.append("%s: %s is delay-loaded but also imported plainly (%s), so it is "
                                "loaded at start after all" % (file, dll, ", ".join(plainly[dll.lower()])))
            for name, ordinal, index in thunk_entries(image, names_rva):
                check_import(file, dll, name, ordinal, "delay-loads")
                slot = slots_rva + index * image.pointer_size
                wrong = thunk_problem(image, slot, image.pointer(slot))
                if wrong:
                    problems.append("%s: the delay-load slot of %s (%s) %s"
                                    % (file, name or "#%d" % ordinal, dll, wrong))
                delayed += 1
        counts.append("%s: %d imports, %d delay-loaded" % (file, plain, delayed))

    program = images.get(args.program)
    if program is not None:
        for key in own:
            library = own_names[key]
            strings, names = requested_exports(program, library)
            if not strings:
                problems.append("%s: does not name its library %s" % (os.path.basename(args.program), library))
            elif not names:
                problems.append("%s: names %s but no function asked of it was found"
                                % (os.path.basename(args.program), library))
            for name in names:
                if name not in exports(own[key])[0]:
                    problems.append("%s: asks %s for %s, which it does not export"
                                    % (os.path.basename(args.program), library, name))
            if names:
                counts.append("%s: asks %s for %s" % (os.path.basename(args.program), library,
                                                      ", ".join(names)))

    for line in counts:
        print("      " + line)
    for line in problems:
        print("FAIL  " + line)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
