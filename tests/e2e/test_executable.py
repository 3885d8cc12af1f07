"""The shipping Tollvane.exe inspected without running it: headers, imports
and resources.

Usage: test_executable.py PATH/TO/windows/Tollvane.exe
"""
import os
import struct
import sys
import unittest
import xml.etree.ElementTree as ElementTree

import pefile

EXE = None
HERE = os.path.dirname(os.path.abspath(__file__))
RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 14, 16, 24


def resource_data(pe, type_id, name_id):
    """{language: bytes} of one resource."""
    found = {}
    for resource_type in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if resource_type.id != type_id:
            continue
        for name in resource_type.directory.entries:
            if name.id != name_id:
                continue
            for language in name.directory.entries:
                entry = language.data.struct
                found[language.id] = pe.get_data(entry.OffsetToData, entry.Size)
    return found


class ExecutableTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.pe = pefile.PE(EXE)
        print("\n%s: %d bytes" % (EXE, os.path.getsize(EXE)), file=sys.stderr)

    def test_headers(self):
        header, optional = self.pe.FILE_HEADER, self.pe.OPTIONAL_HEADER
        self.assertEqual(header.Machine, 0x14C)  # i386
        self.assertEqual(optional.Magic, 0x10B)  # PE32
        self.assertEqual(optional.Subsystem, 3)  # console
        self.assertEqual((optional.MajorSubsystemVersion, optional.MinorSubsystemVersion), (5, 1))
        self.assertEqual((optional.MajorOperatingSystemVersion,
                          optional.MinorOperatingSystemVersion), (5, 1))

    def test_imports_are_the_listed_ones(self):
        imported = set()
        for dll in self.pe.DIRECTORY_ENTRY_IMPORT:
            for function in dll.imports:
                self.assertIsNotNone(function.name, "import by ordinal from " + dll.dll.decode())
                imported.add(dll.dll.decode() + "!" + function.name.decode())
        self.assertEqual({name.split("!")[0] for name in imported},
                         {"KERNEL32.dll", "ADVAPI32.dll", "msvcrt.dll"})
        with open(os.path.join(HERE, "xp_imports.txt")) as listed:
            allowed = {line.strip() for line in listed if line.strip() and not line.startswith("#")}
        self.assertEqual(imported - allowed, set(), "imports not in xp_imports.txt")
        self.assertEqual(allowed - imported, set(), "xp_imports.txt lists imports no longer made")

    def test_manifest_asks_to_run_as_invoker(self):
        manifests = resource_data(self.pe, RT_MANIFEST, 1)
        self.assertEqual(len(manifests), 1)
        root = ElementTree.fromstring(next(iter(manifests.values())))
        self.assertEqual(root.get("manifestVersion"), "1.0")
        levels = root.findall(".//{urn:schemas-microsoft-com:asm.v3}requestedExecutionLevel")
        self.assertEqual(len(levels), 1)
        self.assertEqual(levels[0].attrib, {"level": "asInvoker", "uiAccess": "false"})

    def test_version_record(self):
        fixed = self.pe.VS_FIXEDFILEINFO[0]
        self.assertEqual((fixed.FileVersionMS, fixed.FileVersionLS), (0x00010005, 0))
        self.assertEqual((fixed.ProductVersionMS, fixed.ProductVersionLS), (0x00010005, 0))
        self.assertEqual(fixed.FileOS, 0x4)  # VOS__WINDOWS32
        self.assertEqual(fixed.FileType, 0x1)  # VFT_APP
        tables, translations = {}, []
        for info in self.pe.FileInfo[0]:
            for table in getattr(info, "StringTable", []):
                tables[table.LangID.decode()] = {
                    key.decode(): value.decode() for key, value in table.entries.items()}
            for var in getattr(info, "Var", []):
                translations.append(var.entry)
        self.assertEqual(tables, {"040904b0": {
            "CompanyName": "Quenlight",
            "FileDescription": "Command-line Tool to Control Automatic Reboot on Windows",
            "FileVersion": "1.5.0.0",
            "InternalName": "Tollvane",
            "OriginalFilename": "Tollvane.exe",
            "ProductName": "Tollvane",
            "ProductVersion": "1.5.0.0",
        }})
        self.assertEqual(translations, [{b"Translation": "0x0409 0x04b0"}])

    def test_icon_group_holds_seven_32_bit_bitmaps(self):
        groups = resource_data(self.pe, RT_GROUP_ICON, 103)
        self.assertEqual(len(groups), 1)
        group = next(iter(groups.values()))
        reserved, kind, count = struct.unpack_from("<HHH", group)
        self.assertEqual((reserved, kind, count), (0, 1, 7))
        sizes = []
        for index in range(count):
            width, height, colours, _, planes, bits, size, icon_id = struct.unpack_from(
                "<BBBBHHIH", group, 6 + 14 * index)
            width, height = width or 256, height or 256
            self.assertEqual((width, colours, planes, bits), (height, 0, 1, 32))
            images = resource_data(self.pe, RT_ICON, icon_id)
            self.assertEqual(len(images), 1, "icon image %d" % icon_id)
            image = next(iter(images.values()))
            self.assertEqual(len(image), size)
            # An uncompressed bitmap (XP can't show PNG-compressed icons).
            header_size, bmp_width, bmp_height, _, bmp_bits, compression = struct.unpack_from(
                "<IiiHHI", image)
            self.assertEqual((header_size, bmp_width, bmp_height, bmp_bits, compression),
                             (40, width, 2 * width, 32, 0))
            sizes.append(width)
        self.assertEqual(sizes, [128, 72, 64, 48, 32, 24, 16])


if __name__ == "__main__":
    EXE = os.path.abspath(sys.argv.pop(1))
    if not os.path.isfile(EXE):
        sys.exit("no such program: " + EXE)
    unittest.main(verbosity=2)
