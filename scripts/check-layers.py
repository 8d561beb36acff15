#!/usr/bin/env python3
"""Checks that every include points down the layers, never up.

From the bottom: framework/core, framework/platform, framework/gui (with
Framework.h), then common, dialogs, calculator, startup. A test folder under
tests/ stands in the layer it mirrors. The build already refuses most
upward includes of the program's folders; this also covers the framework's
own folders and relative paths.

Two more walls inside the framework: a class's private header (Name_p.h)
is for the Qt layer and the test seams only, and the X11 calls stay in
framework/platform, so no other folder includes xcb."""
import re
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
ORDER = ["framework/core", "framework/platform", "framework/gui", "framework/testing",
         "common", "dialogs", "calculator", "startup"]
# What each layer may include besides itself.
ALLOWED = {
    "framework/core": set(),
    "framework/platform": {"framework/core"},
    "framework/gui": {"framework/core", "framework/platform"},
    "framework/testing": {"framework/core", "framework/gui"},
    "common": {"framework/core", "framework/gui"},
    "dialogs": {"framework/core", "framework/gui", "common"},
    "calculator": {"framework/core", "framework/gui", "common", "dialogs"},
    "startup": {"framework/core", "framework/gui", "common", "dialogs", "calculator"},
    "tests/support": {"framework/core", "framework/gui", "framework/testing"},
}
# The only sources that reach a framework class's private parts.
PRIVATE_READERS = ("framework/gui/", "framework/testing/")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def layer_of(path: Path):
    rel = path.relative_to(ROOT).as_posix()
    if rel == "framework/Framework.h":
        return "framework/gui"
    if rel.startswith("tests/support/"):
        return "tests/support"
    if rel.startswith("tests/"):
        rel = rel[len("tests/"):]
    for layer in ORDER:
        if rel.startswith(layer + "/"):
            return layer
    return None


def resolve(source: Path, name: str):
    bases = [source.parent]
    if source.relative_to(ROOT).parts[0] == "tests":
        bases.append(ROOT / "tests")
    bases += [ROOT, ROOT / "framework"]
    for base in bases:
        candidate = (base / name).resolve()
        if candidate.is_file() and ROOT in candidate.parents:
            return candidate
    return None


def main():
    files = subprocess.run(["git", "ls-files", "-co", "--exclude-standard", "*.cpp", "*.h"],
                           cwd=ROOT, capture_output=True, text=True, check=True).stdout.split()
    faults = []
    for name in files:
        source = ROOT / name
        if not source.is_file():
            continue
        mine = layer_of(source)
        if mine is None:
            continue
        allowed = ALLOWED.get(mine, set()) | {mine}
        if name.startswith("tests/") and mine != "tests/support":
            allowed |= {"tests/support", "framework/testing"}
        for number, line in enumerate(source.read_text(errors="replace").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            bracket, target = match.groups()
            where = f"{name}:{number}"
            if bracket == "<":
                if mine == "framework/core" and re.match(r"Q[A-Za-z]", target):
                    faults.append(f"{where}: the core includes Qt ({target})")
                if target.startswith("xcb/") and mine != "framework/platform":
                    faults.append(f"{where}: {mine} makes X11 calls ({target})")
                continue
            if target.endswith("_p.h") and not name.startswith(PRIVATE_READERS):
                faults.append(f"{where}: {mine} includes a private header ({target})")
                continue
            if ".." in Path(target).parts:
                faults.append(f"{where}: an include by a relative path ({target})")
                continue
            found = resolve(source, target)
            theirs = layer_of(found) if found else None
            if theirs is not None and theirs not in allowed:
                faults.append(f"{where}: {mine} includes {target} from {theirs}")
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} include(s) run up the layers")
        return 1
    print("layers: every include points down")
    return 0


if __name__ == "__main__":
    sys.exit(main())
