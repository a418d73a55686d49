#!/usr/bin/env python3
"""The static check of the shipped files must pass the built program and fail,
naming the function, on each kind of fault it exists for.

    check_binaries_test.py <32-bit build folder> <folder of 32-bit system DLLs>
"""
import contextlib
import io
import os
import shutil
import struct
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_binaries  # noqa: E402
from pe_resources import Image  # noqa: E402

BUILD, SYSTEM = sys.argv[1], sys.argv[2]
FILES = ("MipoWatch.exe", "KeyHook.dll", "MouseHook.dll")


def read(path):
    with open(path, "rb") as f:
        return f.read()


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def run_check(folder, program="MipoWatch.exe"):
    out = io.StringIO()
    with contextlib.redirect_stdout(out):
        status = check_binaries.main(["--system", SYSTEM, os.path.join(folder, program)] +
                                     [os.path.join(folder, f) for f in FILES[1:]])
    return status, out.getvalue()


class CheckBinariesTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp()
        for name in FILES:
            shutil.copy(os.path.join(BUILD, name), self.folder)

    def tearDown(self):
        shutil.rmtree(self.folder)

    def patch(self, name, old, new):
        path = os.path.join(self.folder, name)
        data = read(path)
        self.assertEqual(data.count(old), 1, "%r once in %s" % (old, name))
        write(path, data.replace(old, new))

    def test_the_built_program_and_its_libraries_pass(self):
        status, out = run_check(self.folder)
        self.assertEqual(status, 0, out)
        self.assertIn("delay-loaded", out)

    def test_a_program_linked_with_the_thunks_dropped_fails_naming_the_function(self):
        shutil.copy(os.path.join(BUILD, "delay_mistake_probe.exe"), self.folder)
        status, out = run_check(self.folder, "delay_mistake_probe.exe")
        self.assertEqual(status, 1, out)
        self.assertIn("delay-load slot of timeSetEvent (winmm.dll) is 0", out)

    def test_a_dll_both_delay_loaded_and_imported_plainly_fails_naming_the_plain_functions(self):
        shutil.copy(os.path.join(BUILD, "delay_mistake_probe.exe"), self.folder)
        status, out = run_check(self.folder, "delay_mistake_probe.exe")
        self.assertEqual(status, 1, out)
        self.assertIn("winmm.dll is delay-loaded but also imported plainly (timeGetTime)", out)

    def test_a_zeroed_slot_of_the_program_fails_naming_the_function(self):
        path = os.path.join(self.folder, "MipoWatch.exe")
        image = Image(read(path))
        dll, slots, names = next(d for d in check_binaries.delay_descriptors(image)
                                 if d[0] == "winmm.dll")
        name = next(check_binaries.thunk_entries(image, names))[0]
        data = bytearray(image.data)
        struct.pack_into("<I", data, image.offset(slots), 0)
        write(path, bytes(data))
        status, out = run_check(self.folder)
        self.assertEqual(status, 1, out)
        self.assertIn("delay-load slot of %s (winmm.dll) is 0" % name, out)

    def test_a_hook_function_the_library_does_not_export_fails_naming_it(self):
        self.patch("KeyHook.dll", b"StartKeyHook\0", b"StartKeyHoox\0")
        status, out = run_check(self.folder)
        self.assertEqual(status, 1, out)
        self.assertIn("asks KeyHook.dll for StartKeyHook, which it does not export", out)

    def test_an_import_the_system_dll_does_not_export_fails_naming_it(self):
        self.patch("MipoWatch.exe", b"QueryPerformanceCounter\0", b"QueryPerformanceCountex\0")
        status, out = run_check(self.folder)
        self.assertEqual(status, 1, out)
        self.assertIn("imports QueryPerformanceCountex from KERNEL32.dll, which does not export it", out)

    def test_a_dll_that_windows_lacks_or_another_machine_fails(self):
        self.patch("MouseHook.dll", b"USER32.dll\0", b"USERXX.dll\0")
        path = os.path.join(self.folder, "KeyHook.dll")
        data = bytearray(read(path))
        struct.pack_into("<H", data, struct.unpack_from("<I", data, 0x3C)[0] + 4, 0x8664)
        write(path, bytes(data))
        status, out = run_check(self.folder)
        self.assertEqual(status, 1, out)
        self.assertIn("MouseHook.dll: needs USERXX.dll, which is not a system DLL", out)
        self.assertIn("KeyHook.dll: built for x86_64, not i386", out)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
