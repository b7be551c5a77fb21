"""Line-level view of a C++ source for fault injection.

Each line is given a "code mask": the line with comments blanked out and the
inside of string and character literals replaced by '_', so that the
operators below see only code, at the same column positions as the text.
The spans of the string literals are kept apart for the message-text faults.
"""

import re
from dataclasses import dataclass, field


@dataclass
class SourceLine:
    number: int          # 1-based
    text: str            # without the line end
    code: str            # comments blanked, literal contents replaced by '_'
    strings: list = field(default_factory=list)  # (start, end) of each string literal's content


def mask_lines(text):
    """Splits a source into SourceLines with their code masks."""
    lines = text.split("\n")
    out = []
    in_block_comment = False
    for number, line in enumerate(lines, start=1):
        code = []
        strings = []
        i = 0
        n = len(line)
        while i < n:
            c = line[i]
            if in_block_comment:
                if line.startswith("*/", i):
                    in_block_comment = False
                    code.append("  ")
                    i += 2
                else:
                    code.append(" ")
                    i += 1
                continue
            if line.startswith("//", i):
                code.append(" " * (n - i))
                break
            if line.startswith("/*", i):
                in_block_comment = True
                code.append("  ")
                i += 2
                continue
            if c == '"' or (c == "'" and not (i > 0 and line[i - 1].isalnum())):
                quote = c
                j = i + 1
                while j < n and line[j] != quote:
                    j += 2 if line[j] == "\\" else 1
                j = min(j, n - 1) if j >= n else j
                if quote == '"':
                    strings.append((i + 1, j))
                code.append(quote + "_" * (j - i - 1) + (line[j] if j < n else ""))
                i = j + 1
                continue
            code.append(c)
            i += 1
        masked = "".join(code)[:n].ljust(n)
        out.append(SourceLine(number, line, masked, strings))
    return out


# ---------------------------------------------------------------------------
# Which lines take part at all

_SKIP_START = re.compile(
    r"^\s*(#|static_assert\b|namespace\b|using\b|extern\b|template\b|friend\b|typedef\b|"
    r"enum\b|public:|private:|protected:|class\s+\w+\s*;|struct\s+\w+\s*;)")

# One parameter of a declaration: "Type name", "const Type& name = value".
_PARAMETER = re.compile(r"^(?:const\s+)?[A-Za-z_][\w:]*(?:<.*>)?[\s*&]+[A-Za-z_]\w*(?:\s*=.*)?$")

# A function declaration on one line: type tokens, a name, a parameter list, ';'.
_FUNCTION_DECLARATION = re.compile(
    r"^\s*(?:(?:static|inline|constexpr|virtual|explicit|const)\s+)*"
    r"(?:[\w:]+(?:<[^()=]*>)?[&*]*\s+[&*]*)+~?[\w:]+\s*\([^=]*\)\s*"
    r"(?:const\s*)?(?:noexcept\s*)?(?:override\s*)?(?:final\s*)?"
    r"(?:=\s*(?:0|default|delete)\s*)?;\s*$")

# A variable or member declared without any value: "Type name;", "Type a, b;".
_BARE_DECLARATION = re.compile(
    r"^\s*(?:(?:static|inline|constexpr|mutable|const)\s+)*[\w:]+(?:<[^;]*>)?[&*]*\s+"
    r"[&*]*\w+(?:\s*,\s*[&*]*\w+)*\s*(?:\{\s*\})?;\s*$")


_CONSTRUCTOR_DECLARATION = re.compile(r"^\s*(?:explicit\s+)?~?[A-Za-z_]\w*\((.*)\)\s*;\s*$")


def is_candidate_line(line):
    code = line.code.strip()
    if not code:
        return False  # blank or comment only
    if _SKIP_START.match(line.code):
        return False
    if _FUNCTION_DECLARATION.match(line.code) or _BARE_DECLARATION.match(line.code):
        return False
    m = _CONSTRUCTOR_DECLARATION.match(line.code)
    if m and any(_PARAMETER.match(line.code[a:b])
                 for a, b in _split_top_level(line.code, m.start(1), m.end(1))):
        return False
    return True


# ---------------------------------------------------------------------------
# Helpers on the code mask

_TEMPLATE_ARGS = re.compile(r"(?<=\w)<[^<>;()]*(?:<[^<>;()]*>[^<>;()]*)*>")
_ARRAY_SIZE_DECL = re.compile(
    r"^\s*(?:(?:static|constexpr|const|inline)\s+)*[\w:]+(?:<[^;]*>)?\s+\w+(\[\d+\])+\s*(?:=|;|\{)")


def _masked_spans(code):
    """Spans whose numbers are part of a type, not of a value."""
    spans = [m.span() for m in _TEMPLATE_ARGS.finditer(code)]
    m = _ARRAY_SIZE_DECL.match(code)
    if m:
        spans.append((code.index("["), m.end()))
    return spans


def _inside(pos, spans):
    return any(a <= pos < b for a, b in spans)


def _matching_paren(code, open_pos, open_ch="(", close_ch=")"):
    depth = 0
    for k in range(open_pos, len(code)):
        if code[k] == open_ch:
            depth += 1
        elif code[k] == close_ch:
            depth -= 1
            if depth == 0:
                return k
    return -1


def _split_top_level(code, start, end):
    """Splits code[start:end] at top-level commas; returns (a, b) spans, stripped."""
    parts = []
    depth = 0
    seg = start
    for k in range(start, end):
        ch = code[k]
        if ch in "([{":
            depth += 1
        elif ch in ")]}":
            depth -= 1
        elif ch == "<" and k > 0 and (code[k - 1].isalnum() or code[k - 1] == "_") \
                and k + 1 < end and code[k + 1] != " ":
            depth += 1  # template argument list
        elif ch == ">" and depth > 0 and k > 0 and code[k - 1] != " " and code[k - 1] != "-":
            depth -= 1
        elif ch == "," and depth == 0:
            parts.append(seg)
            seg = k + 1
    parts.append(seg)
    spans = []
    for idx, a in enumerate(parts):
        b = parts[idx + 1] - 1 if idx + 1 < len(parts) else end
        while a < b and code[a] == " ":
            a += 1
        while b > a and code[b - 1] == " ":
            b -= 1
        spans.append((a, b))
    return spans


def _replace(text, a, b, new):
    return text[:a] + new + text[b:]


# ---------------------------------------------------------------------------
# The operators. Each yields (kind, new_line_text).

_NUMBER = re.compile(
    r"(?<![\w.])(0[xX][0-9a-fA-F]+|\d+\.?\d*(?:[eE][+-]?\d+)?|\.\d+(?:[eE][+-]?\d+)?)([uUlLfF]*)(?![\w.])")


def constants(line):
    spans = _masked_spans(line.code)
    header = _for_header(line)
    if header:
        spans.append(header)  # the loop-bound operator handles the header
    for m in _NUMBER.finditer(line.code):
        if _inside(m.start(), spans):
            continue
        lit = m.group(1)
        hexa = lit[:2].lower() == "0x"
        first = 2 if hexa else 0
        for k in range(first, len(lit)):
            ch = lit[k]
            if hexa:
                digits = "0123456789abcdef"
                if ch.lower() not in digits:
                    continue
                d = digits.index(ch.lower())
                options = {digits[(d + 1) % 16], digits[(d + 15) % 16]}
            else:
                if not ch.isdigit():
                    continue
                d = int(ch)
                options = {str((d + 1) % 10), str((d + 9) % 10)}
                integer_part = lit.split(".")[0].split("e")[0].split("E")[0]
                if k == 0 and len(integer_part) > 1:
                    options.discard("0")  # no octal literals
            for new in sorted(options):
                new_lit = lit[:k] + new + lit[k + 1:]
                yield "constant", _replace(line.text, m.start(1), m.end(1), new_lit)


_COMPARISON = re.compile(r"(?<= )(<=|>=|==|!=|&&|\|\||<|>)(?= )")
_COMPARISON_SWAPS = {
    "<": ["<=", ">"], "<=": ["<", ">"], ">": [">=", "<"], ">=": [">", "<"],
    "==": ["!="], "!=": ["=="], "&&": ["||"], "||": ["&&"],
}
_FOR = re.compile(r"^\s*for \(")


def _for_header(line):
    """(open, close) of a one-line classic for header, else None."""
    m = _FOR.match(line.code)
    if not m:
        return None
    open_pos = line.code.index("(", m.start())
    close = _matching_paren(line.code, open_pos)
    if close < 0 or line.code.count(";", open_pos, close) != 2:
        return None
    return open_pos, close


def comparisons(line):
    if "template" in line.code or "operator" in line.code:
        return
    header = _for_header(line)
    for m in _COMPARISON.finditer(line.code):
        if header and header[0] < m.start() < header[1]:
            continue  # the loop-bound operator handles the header
        for new in _COMPARISON_SWAPS[m.group(1)]:
            yield "comparison", _replace(line.text, m.start(), m.end(), new)


_BOUND = re.compile(r"(\w+) (<|<=|>|>=) ([^;&|]+?)\s*(?=;|&&|\|\|)")
_INIT = re.compile(r"= (\d+)\s*;")


def loop_bounds(line):
    header = _for_header(line)
    if not header:
        return
    a, b = header
    first = line.code.index(";", a)
    second = line.code.index(";", first + 1)
    init = _INIT.search(line.code, a, first + 1)
    if init:
        v = int(init.group(1))
        for new in (v + 1, v - 1):
            if new >= 0:
                yield "loop-bound", _replace(line.text, init.start(1), init.end(1), str(new))
    cond = _BOUND.search(line.code, first + 1, second + 1)
    if cond:
        op = cond.group(2)
        bound = cond.group(3)
        if re.fullmatch(r"\d+", bound):
            v = int(bound)
            for new in (v - 1, v + 1):
                if new >= 0:
                    yield "loop-bound", _replace(line.text, cond.start(3), cond.end(3), str(new))
        loosened = {"<": "<=", "<=": "<", ">": ">=", ">=": ">"}[op]
        yield "loop-bound", _replace(line.text, cond.start(2), cond.end(2), loosened)


_IF = re.compile(r"^\s*(?:\}\s*else\s+|else\s+)?if \(")
_EXIT = re.compile(r"^\s*(return\b|continue\s*;|break\s*;|throw\b)")


def _if_condition(line):
    m = _IF.match(line.code)
    if not m:
        return None
    open_pos = m.end() - 1
    close = _matching_paren(line.code, open_pos)
    if close < 0 or ";" in line.code[open_pos:close]:
        return None  # not on one line, or an if with an initialiser
    return open_pos, close


def dropped_checks(line, following):
    """An early exit on bad input made unreachable: its condition made false."""
    cond = _if_condition(line)
    if not cond:
        return
    open_pos, close = cond
    rest = line.code[close + 1:]
    exits = bool(_EXIT.match(rest))
    if not exits and rest.strip() == "{":
        depth = 1
        for other in following[:12]:
            code = other.code
            if depth == 1 and _EXIT.match(code):
                exits = True
            depth += code.count("{") - code.count("}")
            if depth <= 0:
                break
    if exits and line.code[open_pos + 1:close].strip() != "false":
        yield "dropped-check", _replace(line.text, open_pos + 1, close, "false")


_CALL = re.compile(r"([A-Za-z_][\w:]*)\s*\(")
_KEYWORDS = {"if", "for", "while", "switch", "return", "sizeof", "catch", "decltype",
             "static_cast", "const_cast", "reinterpret_cast", "dynamic_cast", "alignof",
             "noexcept", "static_assert"}


def _is_call(code, name_start):
    """Whether the name at name_start begins a call (not a declaration of one)."""
    k = name_start - 1
    if k >= 1 and code[k - 1:k + 1] in ("->",) or (k >= 0 and code[k] == "."):
        return True
    while k >= 0 and code[k] == " ":
        k -= 1
    if k < 0:
        return True  # statement starting with the call
    if code[k] in "=(,!?:+-*/[{<>|&%^~":
        if code[k] in "&*" and k > 0 and (code[k - 1].isalnum() or code[k - 1] in "_>"):
            return False  # "Type& name(" or "Type* name("
        if code[k] == ">" and k > 0 and code[k - 1] != " " and code[k - 1] != "-":
            return False  # "std::vector<int> name("
        return True
    j = k
    while j >= 0 and (code[j].isalnum() or code[j] == "_"):
        j -= 1
    word = code[j + 1:k + 1]
    return word in ("return", "co_return", "throw", "else", "case")


def swapped_arguments(line):
    code = line.code
    seen = set()
    for m in _CALL.finditer(code):
        name = m.group(1).split("::")[-1]
        if name in _KEYWORDS or re.fullmatch(r"[A-Z][A-Z0-9_]+", name) \
                or not _is_call(code, m.start(1)):
            continue
        open_pos = m.end() - 1
        close = _matching_paren(code, open_pos)
        if close < 0:
            continue
        yield from _swaps(line, open_pos + 1, close, seen)
    # Entries of a brace list written on the line: a table row.
    for k, ch in enumerate(code):
        if ch == "{":
            close = _matching_paren(code, k, "{", "}")
            if close > 0 and ";" not in code[k:close]:
                yield from _swaps(line, k + 1, close, seen)


def _swaps(line, start, end, seen):
    args = _split_top_level(line.code, start, end)
    if len(args) < 2:
        return
    if any(_PARAMETER.match(line.code[a:b]) for a, b in args):
        return  # a parameter list: a declaration, not a call
    for i in range(len(args) - 1):
        (a1, b1), (a2, b2) = args[i], args[i + 1]
        first, second = line.text[a1:b1], line.text[a2:b2]
        if not first or not second or first == second:
            continue
        new = line.text[:a1] + second + line.text[b1:a2] + first + line.text[b2:]
        if new not in seen:
            seen.add(new)
            yield "swapped-args", new


_DECLARATION_START = re.compile(
    r"^\s*(?:(?:const|constexpr|static|auto|inline|unsigned|signed|long|short)\s+)*"
    r"[A-Za-z_][\w:]*(?:<[^;]*>)?[&*]*\s+[&*]*[A-Za-z_]\w*\s*(?:=|\{|\(|;|\[|:)")
_STATEMENT_START = re.compile(r"^\s*(?:\+\+|--|\*?[A-Za-z_(])")
_NOT_DROPPABLE = re.compile(
    r"^\s*(return|break|continue|throw|case|default|goto|else|do|try|co_return|if|for|while|"
    r"switch|public|private|protected|FW_REGISTER_WINDOW)\b")
_SIMPLE_HEAD = re.compile(r"^\s*(?:\}\s*)?(?:else\s+)?(?:if|for|while) \(")
_ELSE_HEAD = re.compile(r"^\s*(?:\}\s*)?else\s+(?!if\b)")


def _is_statement(code):
    """An assignment or a call standing as a whole statement."""
    s = code.strip()
    if not s.endswith(";") or _NOT_DROPPABLE.match(s) or _DECLARATION_START.match(s):
        return False
    if not _STATEMENT_START.match(s):
        return False
    if s.count("(") != s.count(")") or s.count("{") != s.count("}"):
        return False
    return "(" in s or re.search(r"(?<![=!<>])=(?!=)|\+\+|--", s) is not None


def dropped_statements(line, previous_code):
    code = line.code
    # A whole line holding one statement, not the tail of a longer one.
    starts_statement = previous_code is None or previous_code.rstrip()[-1:] in (
        ";", "{", "}", ")", ":") or previous_code.strip() == "else"
    if starts_statement and _is_statement(code):
        yield "dropped-statement", ";"
        return
    # The body of a one-line if, for, while or else.
    body_start = None
    head = _SIMPLE_HEAD.match(code)
    if head:
        close = _matching_paren(code, head.end() - 1)
        if close > 0:
            body_start = close + 1
    else:
        head = _ELSE_HEAD.match(code)
        if head:
            body_start = head.end()
    if body_start is not None and _is_statement(code[body_start:]):
        a = body_start
        while code[a] == " ":
            a += 1
        b = len(code.rstrip())
        yield "dropped-statement", _replace(line.text, a, b, ";")


_TRUE_FALSE = re.compile(r"\b(true|false)\b")
_NOT = re.compile(r"!(?=[A-Za-z_(])")


def negated_booleans(line):
    code = line.code
    for m in _TRUE_FALSE.finditer(code):
        new = "false" if m.group(1) == "true" else "true"
        yield "negated-boolean", _replace(line.text, m.start(), m.end(), new)
    for m in _NOT.finditer(code):
        yield "negated-boolean", _replace(line.text, m.start(), m.end(), "")
    cond = _if_condition(line)
    if cond and line.code[cond[0] + 1] != "!":
        a, b = cond
        yield "negated-boolean", line.text[:a + 1] + "!(" + line.text[a + 1:b] + ")" + line.text[b:]


# Calls that put a text on the screen; ".Text(" only in a chain of the window
# declarations ("...).Text(" or a line that starts with it), not a record lookup
# such as block.Text("Caption").
_SHOWN_CALL = re.compile(
    r"(?:\)\s*\.Text|^\s*\.Text|(?<![\w])(?:Caption|SetText|setText|setWindowTitle|Message|"
    r"setToolTip))\(\s*$")
_WORD = re.compile(r"[A-Za-z]{2,}")


def message_texts(line):
    """A wrong text in something the user is shown: one word misspelt."""
    for a, b in line.strings:
        content = line.text[a:b]
        if not re.search(r"[A-Za-z]", content):
            continue
        before = line.code[:a - 1]
        shown = (" " in content and re.search(r"[A-Za-z]{2,}", content)) or _SHOWN_CALL.search(before)
        if not shown or "/" in content and " " not in content:
            continue
        for w in _WORD.finditer(content):
            if w.start() > 0 and content[w.start() - 1] == "\\":
                continue  # an escape sequence, not a word
            word = w.group(0)
            if word[-1] != word[-2]:
                typo = word[:-2] + word[-1] + word[-2]
            else:
                typo = word[:-1]
            yield "message-text", _replace(line.text, a + w.start(), a + w.end(), typo)


OPERATORS = ("constant", "comparison", "loop-bound", "dropped-check", "swapped-args",
             "dropped-statement", "negated-boolean", "message-text")
# When two operators make the same text, it counts as the more specific kind.
_PRECEDENCE = ("loop-bound", "dropped-check", "dropped-statement", "negated-boolean",
               "comparison", "swapped-args", "message-text", "constant")


def line_mutants(lines, index):
    """Every candidate mutant of lines[index], as (kind, new_line_text)."""
    line = lines[index]
    previous_code = None
    for k in range(index - 1, -1, -1):
        if lines[k].code.strip():
            previous_code = lines[k].code
            break
    following = lines[index + 1:index + 14]
    out = []
    for gen in (constants(line), comparisons(line), loop_bounds(line),
                dropped_checks(line, following), swapped_arguments(line),
                dropped_statements(line, previous_code), negated_booleans(line),
                message_texts(line)):
        for kind, new in gen:
            if new.strip() != line.text.strip():
                out.append((kind, new))
    # One candidate per distinct text: the first kind that produced it.
    unique = {}
    for kind, new in sorted(out, key=lambda o: _PRECEDENCE.index(o[0])):
        unique.setdefault(new.strip(), (kind, new))
    return list(unique.values())
