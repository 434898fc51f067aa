"""Searching what a program wrote for secrets, in every form a program may
write one: for the password leak tests."""
import json
import re
import stat


def forms(secret):
    """The ways a program may write the secret: its UTF-8 bytes, JSON's and
    Python's escapes, as a Latin-1 device holds it, and its longest ASCII
    part, which any other escape leaves as it is."""
    yield "UTF-8", secret.encode()
    yield "JSON escape", json.dumps(secret)[1:-1].encode()
    yield "Python escape", repr(secret.encode())[2:-1].encode()
    yield "Latin-1", secret.encode("latin-1", "replace")
    yield "ASCII part", max(re.findall("[ -~]+", secret), key=len).encode()


def found(data, secrets):
    """(secret's description, form) of each secret in the bytes data."""
    return [(description, form) for description, secret in secrets.items()
            for form, written in forms(secret) if written in data]


def owner_only_settings_file(path):
    """Whether path is a settings file readable by its owner only: the one
    kind of file that carries the password."""
    if stat.S_IMODE(path.stat().st_mode) & 0o077:
        return False
    try:
        return json.loads(path.read_bytes()).get("format") == "tolvo-s-settings"
    except (ValueError, AttributeError):
        return False


def leaks(folder, secrets, skip=()):
    """(secret's description, form, file) of each secret found in a file
    under folder, owner-only settings files and the folders named in skip
    left out."""
    result = []
    for path in sorted(p for p in folder.rglob("*") if p.is_file() and not p.is_symlink()):
        relative = path.relative_to(folder)
        if owner_only_settings_file(path) or any(part in skip for part in relative.parts):
            continue
        result += [(d, form, str(relative)) for d, form in found(path.read_bytes(), secrets)]
    return result
