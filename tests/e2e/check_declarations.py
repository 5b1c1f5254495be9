#!/usr/bin/env python3
"""The declarations of swprint.dll for other languages match swprint.h.

    check_declarations.py HEADER TYPES FILE...
    check_declarations.py --c-asserts TYPES

Each FILE is a module of declarations (.bas, .py, .cs), which must declare
every export, or a Markdown file, whose vb, python and csharp blocks may
declare some. A declaration matches the header when it names an export, has
its number of arguments, and each argument and the result have the header's
size in every bitness the declaration is meant for (the sizes are those of
TYPES). --c-asserts writes C static assertions of the C rows of TYPES, so that
the compilers check that part of the table.
"""
import ast
import re
import sys

BITNESSES = ("x86", "x64")


def read_types(path):
    sizes = {}
    for line in open(path, encoding="utf-8"):
        fields = line.split()
        if fields and not fields[0].startswith("#"):
            language, name, x86, x64 = fields
            sizes[(language, name)] = {"x86": int(x86), "x64": int(x64)}
    return sizes


def header_exports(path):
    text = re.sub(r"/\*.*?\*/", "", open(path, encoding="utf-8").read(), flags=re.S)
    exports = {}
    for result, name, arguments in re.findall(r"(\w+\s*\**)\s+WINAPI\s+(\w+)\s*\(([^)]*)\)\s*;",
                                               text):
        types = []
        for argument in arguments.split(","):
            argument = argument.strip()
            if argument in ("", "void"):
                continue
            types.append("*" if "*" in argument else argument.replace("const ", "").split()[0])
        exports[name] = ("*" if "*" in result else result.strip(), types)
    return exports


def basic_declarations(text):
    """(name, result, arguments, bitnesses) of each Declare of swprint.dll."""
    found = []
    branch = BITNESSES
    for line in text.splitlines():
        line = line.strip()
        if line.startswith("#If VBA7"):
            branch = BITNESSES
        elif line.startswith("#Else"):
            branch = ("x86",)  # Office before VBA7 is 32-bit only
        elif line.startswith("#End If"):
            branch = BITNESSES
        match = re.match(r'(?:Public |Private )?Declare (PtrSafe )?(Function|Sub) (\w+) Lib '
                         r'"swprint\.dll" \((.*)\)(?: As (\w+))?$', line)
        if not match:
            continue
        ptr_safe, kind, name, arguments, result = match.groups()
        if (ptr_safe is not None) != (len(branch) == 2):
            raise SystemExit(f"{name}: PtrSafe belongs to the #If VBA7 branch, and only there")
        types = []
        for argument in filter(None, (a.strip() for a in arguments.split(","))):
            parts = re.match(r"(ByVal )?\w+ As (\w+)$", argument)
            if not parts:
                raise SystemExit(f"{name}: cannot read the argument {argument!r}")
            types.append(parts.group(2) if parts.group(1) else "ByRef")
        found.append((name, "Sub" if kind == "Sub" else result, types, branch))
    return found


def python_type(node):
    source = ast.unparse(node).replace("ctypes.", "")
    return "POINTER" if source.startswith("POINTER(") else source


def python_declarations(text):
    found = []
    for node in ast.walk(ast.parse(text)):
        if isinstance(node, ast.Assign) and any(
                isinstance(t, ast.Name) and t.id == "EXPORTS" for t in node.targets):
            for key, value in zip(node.value.keys, node.value.values):
                result, arguments = value.elts
                found.append((key.value, python_type(result),
                              [python_type(a) for a in arguments.elts], BITNESSES))
    return found


def csharp_declarations(text):
    found = []
    for attribute, result, name, arguments in re.findall(
            r'\[DllImport\(((?:Library|"swprint\.dll")[^\]]*)\]\s*public static extern (\w+) '
            r'(\w+)\(([^)]*)\);', text):
        if "CallingConvention.StdCall" not in attribute:
            raise SystemExit(f"{name}: not declared with CallingConvention.StdCall")
        types = []
        for argument in filter(None, (a.strip() for a in arguments.split(","))):
            words = argument.split()
            types.append("ref" if words[0] in ("ref", "out") else words[0])
        found.append((name, result, types, BITNESSES))
    return found


LANGUAGES = {"VBA": basic_declarations, "Python": python_declarations, "C#": csharp_declarations}
EXTENSIONS = {".bas": "VBA", ".py": "Python", ".cs": "C#"}
FENCES = {"vb": "VBA", "python": "Python", "csharp": "C#"}


def check(language, declarations, exports, sizes, where):
    faults = []

    def size(lang, name, bitness):
        if (lang, name) not in sizes:
            faults.append(f"{where}: the type {name} ({lang}) is not in the table")
            return None
        return sizes[(lang, name)][bitness]

    for name, result, arguments, bitnesses in declarations:
        if name not in exports:
            faults.append(f"{where}: {name} is no export of the header")
            continue
        expected_result, expected_arguments = exports[name]
        if len(arguments) != len(expected_arguments):
            faults.append(f"{where}: {name} takes {len(expected_arguments)} arguments, "
                          f"declared with {len(arguments)}")
            continue
        pairs = [("result", expected_result, result)] + [
            (f"argument {i + 1}", e, a)
            for i, (e, a) in enumerate(zip(expected_arguments, arguments))]
        for what, expected, declared in pairs:
            for bitness in bitnesses:
                want, got = size("C", expected, bitness), size(language, declared, bitness)
                if want is not None and got is not None and want != got:
                    faults.append(f"{where}: {name} {what} is {expected} ({want} bytes in {bitness}),"
                                  f" declared {declared} ({got} bytes)")
    return faults


def main(argv):
    if argv[1] == "--c-asserts":
        for (language, name), size in read_types(argv[2]).items():
            if language == "C" and name not in ("void", "*"):
                print(f'_Static_assert(sizeof({name}) == (sizeof(void*) == 8 ? {size["x64"]} : '
                      f'{size["x86"]}), "{name}");')
        return 0
    exports = header_exports(argv[1])
    sizes = read_types(argv[2])
    if len(exports) < 20:
        raise SystemExit(f"{argv[1]}: only {len(exports)} exports read")
    faults = []
    for path in argv[3:]:
        text = open(path, encoding="utf-8").read()
        extension = path[path.rfind("."):]
        if extension in EXTENSIONS:
            language = EXTENSIONS[extension]
            declarations = LANGUAGES[language](text)
            missing = set(exports) - {d[0] for d in declarations}
            faults += [f"{path}: {name} is not declared" for name in sorted(missing)]
            faults += check(language, declarations, exports, sizes, path)
            continue
        for fence, block in re.findall(r"```(\w+)\n(.*?)```", text, flags=re.S):
            if fence in FENCES:
                language = FENCES[fence]
                faults += check(language, LANGUAGES[language](block), exports, sizes,
                                f"{path} ({fence} block)")
    for fault in faults:
        print(fault)
    if not faults:
        print(f"{len(argv) - 3} files of declarations match the {len(exports)} exports of the header")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
