#!/usr/bin/env python3
"""Checks the resources of a Windows program or installer with wrestool
(icoutils): the version record and the manifest, each exactly once, with the
contents promised, and with --icon icon 128 with its six 32-bit sizes.
    check_resources.py [--icon] [--name ORIGINAL] [--level LEVEL] FILE.exe VERSION
ORIGINAL is the record's OriginalFilename (FILE's own name when not given),
LEVEL the manifest's execution level (asInvoker when not given).
Prints one line a check and "N passed, N failed"; exits 1 on any failure."""
import argparse
import os
import re
import struct
import subprocess
import sys

ICON_SIZES = [256, 128, 64, 48, 32, 16]
RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 14, 16, 24
FIXED_INFO_SIGNATURE = 0xFEEF04BD
WINDOWS_10_AND_11 = "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"


def resources(exe):
    """(type, name) of every resource, as wrestool lists them."""
    listing = subprocess.run(["wrestool", "-l", exe], check=True, capture_output=True,
                             text=True).stdout
    found = []
    for line in listing.splitlines():
        match = re.match(r"--type=(\d+) --name=(\S+)", line)
        if match:
            found.append((int(match.group(1)), match.group(2)))
    return found


def extract(exe, kind, name, raw=True):
    command = ["wrestool", "-x", f"--type={kind}", f"--name={name}", exe]
    if raw:
        command.insert(2, "--raw")
    return subprocess.run(command, check=True, capture_output=True).stdout


def group_icon_entries(data):
    """(width, height, bits) of each image of a group icon resource."""
    _, _, count = struct.unpack_from("<HHH", data, 0)
    entries = []
    for i in range(count):
        width, height, _, _, _, bits, _, _ = struct.unpack_from("<BBBBHHIH", data, 6 + 14 * i)
        entries.append((width or 256, height or 256, bits))
    return entries


def product_version(data):
    """The four numbers of the fixed part's product and file versions."""
    at = data.find(struct.pack("<I", FIXED_INFO_SIGNATURE))
    if at < 0:
        return None, None
    fields = struct.unpack_from("<13I", data, at)
    split = lambda ms, ls: (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
    return split(fields[2], fields[3]), split(fields[4], fields[5])


def arguments():
    parser = argparse.ArgumentParser()
    parser.add_argument("--icon", action="store_true", help="icon 128 is expected")
    parser.add_argument("--name", help="the record's OriginalFilename")
    parser.add_argument("--level", default="asInvoker", help="the manifest's execution level")
    parser.add_argument("exe")
    parser.add_argument("version")
    return parser.parse_args()


def main():
    args = arguments()
    exe, version = args.exe, args.version
    name = args.name or os.path.basename(exe)
    expected = tuple(int(part) for part in version.split("."))
    found = resources(exe)
    of_type = lambda kind: [name for (k, name) in found if k == kind]
    results = []

    def check(what, ok, detail=""):
        results.append(ok)
        print(("ok: " if ok else "FAILED: ") + what + ("" if ok else f" ({detail})"))

    if args.icon:
        check("one group icon, named 128", of_type(RT_GROUP_ICON) == ["128"],
              of_type(RT_GROUP_ICON))
        entries = group_icon_entries(extract(exe, RT_GROUP_ICON, 128)) if of_type(
            RT_GROUP_ICON) else []
        check("icon 128 holds 256, 128, 64, 48, 32 and 16 pixels at 32 bits",
              entries == [(s, s, 32) for s in ICON_SIZES], entries)
        check("as many icon images as the group names", len(of_type(RT_ICON)) == len(ICON_SIZES),
              len(of_type(RT_ICON)))

    check("one version record", len(of_type(RT_VERSION)) == 1, of_type(RT_VERSION))
    if of_type(RT_VERSION):
        record = extract(exe, RT_VERSION, of_type(RT_VERSION)[0])
        product, file = product_version(record)
        check(f"product and file version {version}", product == expected and file == expected,
              (product, file))
        strings = record.decode("utf-16-le", errors="replace")
        for key in ("ProductVersion", "FileVersion"):
            check(f'"{key}" is "{version}"', re.search(key + r"\W+" + re.escape(version), strings)
                  is not None, key)
        check(f'"OriginalFilename" is "{name}"',
              re.search(r"OriginalFilename\W+" + re.escape(name), strings) is not None)

    check("one manifest", len(of_type(RT_MANIFEST)) == 1, of_type(RT_MANIFEST))
    if of_type(RT_MANIFEST):
        manifest = extract(exe, RT_MANIFEST, of_type(RT_MANIFEST)[0]).decode("utf-8", "replace")
        check(f"the manifest asks for the level {args.level}", f'level="{args.level}"' in manifest)
        check("the manifest asks for Common Controls 6",
              "Microsoft.Windows.Common-Controls" in manifest and 'version="6.0.0.0"' in manifest)
        check("the manifest names Windows 10 and 11 as supported",
              f'supportedOS Id="{WINDOWS_10_AND_11}"' in manifest)

    passed = sum(results)
    print(f"{passed} passed, {len(results) - passed} failed")
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main())
