#!/usr/bin/env python3
"""The picture check must fail, naming the picture, on a missing and on an
unshown one, and pass when the documents and the folder agree."""
import contextlib
import io
import os
import shutil
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_pictures  # noqa: E402


class PictureCheck(unittest.TestCase):
    def tree(self, readme, help_page, pictures):
        root = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, root)
        os.makedirs(os.path.join(root, "docs", "help"))
        os.makedirs(os.path.join(root, "docs", "screenshots"))
        with open(os.path.join(root, "README.md"), "w", encoding="utf-8") as f:
            f.write(readme)
        with open(os.path.join(root, "docs", "help", "help.html"), "w", encoding="utf-8") as f:
            f.write(help_page)
        for name in pictures:
            open(os.path.join(root, "docs", "screenshots", name), "wb").close()
        return root

    def check(self, root):
        out = io.StringIO()
        with contextlib.redirect_stdout(out):
            status = check_pictures.main([root])
        return status, out.getvalue()

    def test_documents_and_folder_that_agree_pass(self):
        root = self.tree("![a](docs/screenshots/a.png)",
                         '<img src="../screenshots/b.png" alt="b" width="560">', ["a.png", "b.png"])
        self.assertEqual((0, "pictures: 2 shown, all present, none unshown\n"), self.check(root))

    def test_a_missing_picture_is_named_with_its_document(self):
        root = self.tree("![a](docs/screenshots/a.png)",
                         '<img alt="b" src="../screenshots/gone.png">', ["a.png"])
        status, out = self.check(root)
        self.assertEqual(1, status)
        self.assertIn("docs/help/help.html shows ../screenshots/gone.png, which does not exist", out)

    def test_a_picture_nobody_shows_is_named(self):
        root = self.tree("![a](docs/screenshots/a.png)", "", ["a.png", "old.png"])
        status, out = self.check(root)
        self.assertEqual(1, status)
        self.assertIn("docs/screenshots/old.png is shown by neither", out)
        self.assertNotIn("a.png is shown", out)


if __name__ == "__main__":
    unittest.main()
