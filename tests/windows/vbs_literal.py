#!/usr/bin/env python3
"""Writes a JSON value in lumo-action's form (data/*.json) as a VBScript
function that builds it with the client's NewDictionary(), NewVector() and
Store (whichever collections the client is running with), so the VBScript
client passes the same bill as the Linux tests do.

    vbs_literal.py FILE FUNCTION TEXTS  -> "Function FUNCTION() ... End Function"

Numbers keep their Variant kind (a whole number in 32-bit range is a Long,
any other a Double). The script stays ASCII, so it reads the same in any
code page: a text with other letters is written as Texts(n), the n-th line
(from 0) of the file TEXTS, which this writes in UTF-16 with a byte order
mark for the client to read (Wine's VBScript has no ChrW)."""
import json
import sys


class Writer:
    def __init__(self):
        self.lines = []
        self.count = 0
        self.texts = []

    def text(self, value):
        if all(32 <= ord(ch) < 127 for ch in value):
            return '"' + value.replace('"', '""') + '"'
        if "\r" in value or "\n" in value:
            sys.exit("vbs_literal.py: a text with a line break cannot go into the texts file")
        if value not in self.texts:
            self.texts.append(value)
        return "Texts(%d)" % self.texts.index(value)

    def new_object(self, maker):
        self.count += 1
        name = "o%d" % self.count
        self.lines.append("  Dim %s: Set %s = %s()" % (name, name, maker))
        return name

    # Returns (expression, is_object).
    def value(self, value):
        if value is None:
            return "Null", False
        if isinstance(value, bool):
            return ("True" if value else "False"), False
        if isinstance(value, int) and -2**31 <= value < 2**31:
            return "CLng(%d)" % value, False
        if isinstance(value, (int, float)):
            return "CDbl(%r)" % float(value), False
        if isinstance(value, str):
            return self.text(value), False
        if isinstance(value, list):
            return "Array(%s)" % ", ".join(self.value(item)[0] for item in value), False
        if "$vector" in value:
            name = self.new_object("NewVector")
            for item in value["$vector"]:
                expression, is_object = self.value(item)
                self.lines.append("  %s.Add %s" % (name, expression))
            return name, True
        name = self.new_object("NewDictionary")
        for key, item in value.items():
            expression = self.value(item)[0]
            self.lines.append("  Store %s, %s, %s" % (name, self.text(key), expression))
        return name, True


def main():
    path, function, texts = sys.argv[1], sys.argv[2], sys.argv[3]
    with open(path, encoding="utf-8") as file:
        value = json.load(file)
    writer = Writer()
    expression, is_object = writer.value(value)
    print("Function %s()" % function)
    print("\n".join(writer.lines))
    print("  %s%s = %s" % ("Set " if is_object else "", function, expression))
    print("End Function")
    with open(texts, "w", encoding="utf-16", newline="") as file:
        file.write("\r\n".join(writer.texts))


main()
