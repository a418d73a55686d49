#!/usr/bin/env python3
"""Reads an application manifest on standard input; exit code 0 when it asks for
the common controls 6 of the architecture given (x86 unless an argument names
another: amd64 for the 64-bit build), runs as the invoking user and names every Windows
version from Vista to 10/11 as supported, and declares itself aware of each
monitor's scaling (per monitor v2) with the system's scaling as the fallback
older Windows read. Prints what is wrong otherwise."""
import sys
import xml.etree.ElementTree as ET

ASM_V1 = "{urn:schemas-microsoft-com:asm.v1}"
ASM_V3 = "{urn:schemas-microsoft-com:asm.v3}"
COMPAT = "{urn:schemas-microsoft-com:compatibility.v1}"
SMI2005 = "{http://schemas.microsoft.com/SMI/2005/WindowsSettings}"
SMI2016 = "{http://schemas.microsoft.com/SMI/2016/WindowsSettings}"
SUPPORTED = {
    "{e2011457-1546-43c5-a5fe-008deee3d3f0}": "Vista",
    "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}": "7",
    "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}": "8",
    "{1f676c76-80e1-4239-95bb-83d0f6d0da78}": "8.1",
    "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}": "10/11",
}


def problems(text, architecture="x86"):
    try:
        root = ET.fromstring(text.encode("utf-8"))
    except ET.ParseError as error:
        return ["not well-formed: %s" % error]
    found = []
    if root.tag != ASM_V1 + "assembly" or root.get("manifestVersion") != "1.0":
        found.append("root is not an asm.v1 assembly of manifest version 1.0")
    wanted = {"type": "win32", "name": "Microsoft.Windows.Common-Controls", "version": "6.0.0.0",
              "processorArchitecture": architecture, "publicKeyToken": "6595b64144ccf1df"}
    identities = root.findall("%sdependency/%sdependentAssembly/%sassemblyIdentity"
                              % (ASM_V1, ASM_V1, ASM_V1))
    if not any(all(i.get(k) == v for k, v in wanted.items()) for i in identities):
        found.append("no dependency on the %s common controls 6.0.0.0" % architecture)
    levels = [e.get("level") for e in root.iter(ASM_V3 + "requestedExecutionLevel")]
    if levels != ["asInvoker"]:
        found.append("execution level is %s, not asInvoker alone" % levels)
    aware = [(e.text or "").strip().lower() for e in root.iter(SMI2005 + "dpiAware")]
    if aware != ["true"]:
        found.append("dpiAware is %s, not true once (system scaling awareness)" % aware)
    awareness = [(e.text or "").strip() for e in root.iter(SMI2016 + "dpiAwareness")]
    if awareness != ["PerMonitorV2"]:
        found.append("dpiAwareness is %s, not PerMonitorV2 once (each monitor's scaling)"
                     % awareness)
    ids = {e.get("Id", "").lower() for e in root.iter(COMPAT + "supportedOS")}
    for guid, name in SUPPORTED.items():
        if guid not in ids:
            found.append("Windows %s is not declared as supported" % name)
    return found


if __name__ == "__main__":
    wrong = problems(sys.stdin.read(), *sys.argv[1:2])
    for line in wrong:
        print("manifest:", line)
    sys.exit(1 if wrong else 0)
