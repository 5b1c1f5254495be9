#!/usr/bin/env python3
"""The declarations of swprint.dll for other languages match swprint.h: the
export's name, its number of arguments, and the size of each argument and of
the result in each bitness a declaration is meant for, by the table TYPES.
Modules (.bas, .py, .cs) declare every export; a Markdown file's vb, python
and csharp blocks may declare some.
    check_declarations.py HEADER TYPES FILE...
    check_declarations.py --c-asserts TYPES   (the table's C rows as static assertions)
"""
import ast
import re
import sys

BOTH = ("x86", "x64")


def read_types(path):
    rows = [line.split() for line in open(path) if line.strip() and not line.startswith("#")]
    return {(lang, name): {"x86": int(x86), "x64": int(x64)} for lang, name, x86, x64 in rows}


def c_type(text):
    return "*" if "*" in text else text.replace("const ", "").split()[0]


def header_exports(path):
    text = re.sub(r"/\*.*?\*/", "", open(path).read(), flags=re.S)
    found = re.findall(r"(\w+\s*\**)\s+WINAPI\s+(\w+)\s*\(([^)]*)\)\s*;", text)
    return {name: (c_type(result), [c_type(a) for a in args.split(",") if a.strip() not in ("", "void")])
            for result, name, args in found}


def basic(text):
    found, branch = [], BOTH
    for line in map(str.strip, text.splitlines()):
        branch = {"#If VBA7": BOTH, "#Else": ("x86",), "#End If": BOTH}.get(line[:8].strip(), branch)
        m = re.match(r'(?:Public |Private )?Declare (PtrSafe )?(Function|Sub) (\w+) Lib "swprint\.dll" '
                     r'\((.*)\)(?: As (\w+))?$', line)
        if not m:
            continue
        if (m[1] is not None) != (branch == BOTH):  # Office before VBA7 is 32-bit only
            raise SystemExit(f"{m[3]}: PtrSafe belongs to the #If VBA7 branch, and only there")
        args = [re.fullmatch(r"(ByVal )?\w+ As (\w+)", a.strip()) for a in m[4].split(",") if a.strip()]
        found.append((m[3], m[5] or "Sub", [a[2] if a[1] else "ByRef" for a in args], branch))
    return found


def python(text):
    def name(node):
        source = ast.unparse(node).replace("ctypes.", "")
        return "POINTER" if source.startswith("POINTER(") else source
    return [(key.value, name(value.elts[0]), [name(a) for a in value.elts[1].elts], BOTH)
            for node in ast.walk(ast.parse(text)) if isinstance(node, ast.Assign)
            and any(getattr(t, "id", "") == "EXPORTS" for t in node.targets)
            for key, value in zip(node.value.keys, node.value.values)]


def csharp(text):
    found = []
    for attribute, result, name, args in re.findall(r'\[DllImport\(((?:Library|"swprint\.dll")[^\]]*)\]\s*'
                                                    r'public static extern (\w+) (\w+)\(([^)]*)\);', text):
        if "CallingConvention.StdCall" not in attribute:
            raise SystemExit(f"{name}: not declared with CallingConvention.StdCall")
        words = [a.split() for a in args.split(",") if a.strip()]
        found.append((name, result, ["ref" if w[0] in ("ref", "out") else w[0] for w in words], BOTH))
    return found


READERS = {"VBA": basic, "Python": python, "C#": csharp}
LANGUAGE = {".bas": "VBA", ".py": "Python", ".cs": "C#", "vb": "VBA", "python": "Python", "csharp": "C#"}


def faults(language, declarations, exports, sizes, where):
    for name, result, args, bitnesses in declarations:
        if name not in exports:
            yield f"{where}: {name} is no export of the header"
        elif len(args) != len(exports[name][1]):
            yield f"{where}: {name} takes {len(exports[name][1])} arguments, declared with {len(args)}"
        else:
            pairs = zip([exports[name][0]] + exports[name][1], [result] + args)
            for i, (expected, declared) in enumerate(pairs):
                for bitness in bitnesses:
                    want = sizes[("C", expected)][bitness]
                    got = sizes.get((language, declared), {}).get(bitness)
                    if want != got:
                        what = f"argument {i}" if i else "the result"
                        yield (f"{where}: {name} {what} is {expected} ({want} bytes in {bitness}), "
                               f"declared {declared} ({got} bytes)")


def main(argv):
    if argv[1] == "--c-asserts":
        for (lang, name), size in read_types(argv[2]).items():
            if lang == "C" and name not in ("void", "*"):
                print(f'_Static_assert(sizeof({name}) == (sizeof(void*) == 8 ? {size["x64"]} : {size["x86"]}), "{name}");')
        return 0
    exports, sizes, found = header_exports(argv[1]), read_types(argv[2]), []
    assert len(exports) >= 25, f"{argv[1]}: only {len(exports)} exports read"
    for path in argv[3:]:
        text = open(path).read()
        extension = path[path.rfind("."):]
        if extension in LANGUAGE:
            declarations = READERS[LANGUAGE[extension]](text)
            found += [f"{path}: {n} is not declared" for n in sorted(set(exports) - {d[0] for d in declarations})]
            found += faults(LANGUAGE[extension], declarations, exports, sizes, path)
        for fence, block in re.findall(r"```(\w+)\n(.*?)```", text if extension == ".md" else "", flags=re.S):
            if fence in LANGUAGE:
                found += faults(LANGUAGE[fence], READERS[LANGUAGE[fence]](block), exports, sizes, f"{path} {fence}")
    print("\n".join(found) or f"{len(argv) - 3} files of declarations match the {len(exports)} exports")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
