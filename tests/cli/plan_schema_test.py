#!/usr/bin/env python3
"""The plan's JSON Schema and docs/plan-format.md against what m742-cli prints.

Usage: plan_schema_test.py M742_CLI SCHEMA PLAN_FORMAT_MD

Dumps of several plans must validate against the schema, documents the schema must refuse
must be refused, and the schema and the documentation must name exactly the keys a dump
holds (the program's own names, so the three cannot drift apart).
"""

import json
import re
import subprocess
import sys
import tempfile
from pathlib import Path

import jsonschema

CLI, SCHEMA, DOC = sys.argv[1], Path(sys.argv[2]), Path(sys.argv[3])

HEADER = {"format": "m742-plan", "version": 2}
PLANS = [
    {},
    {
        "password": "12.34",
        "ani": "12AB*#",
        "settings": {"vox_level": None, "ptt_id": "both", "tx_timeout_s": 300},
        "side_keys": {"pf1_short": "priority_scan"},
        "channels": [
            {"channel": 1, "rx_mhz": "460.00100", "tx_mhz": "", "rx_tone": "D023I"},
            {"channel": 16, "rx_mhz": "479.99999", "tx_tone": "254.1", "busy_lock": "tone",
             "bandwidth": "narrow", "scan": False, "power": "low"},
        ],
        "debug_channels": [{"channel": 3, "rx_mhz": "500.00000", "tx_mhz": ""}],
    },
]
# Documents the schema refuses: an unknown key, a word not in its list, a position.
REFUSED = [
    {"channels": [{"channel": 1, "rx_mhz": "460.00000", "bandwith": "wide"}]},
    {"channels": [{"channel": 1, "rx_mhz": "460.00000", "bandwidth": "medium"}]},
    {"settings": {"ptt_id": 1}},
    {"channels": [{"channel": 17, "rx_mhz": "460.00000"}]},
]


def run(*args, stdin=None):
    result = subprocess.run([CLI, *args], input=stdin, capture_output=True, text=True)
    if result.returncode != 0:
        raise SystemExit(f"m742-cli {' '.join(args)} failed: {result.stderr}")
    return result.stdout


def keys_in_section(text, heading):
    """The backticked keys in the first column of the table under `## heading`."""
    section = text.split("\n## " + heading + "\n", 1)[1].split("\n## ", 1)[0]
    return {m.group(1) for m in re.finditer(r"^\| `([a-z_0-9]+)` \|", section, re.M)}


def main():
    schema = json.loads(SCHEMA.read_text())
    validator = jsonschema.Draft202012Validator(schema)
    validator.check_schema(schema)
    failures = []

    dumps = []
    with tempfile.TemporaryDirectory() as folder:
        for i, plan in enumerate(PLANS):
            data = str(Path(folder) / f"plan{i}.dat")
            run("encode", "-", data, stdin=json.dumps({**HEADER, **plan}))
            for lang in ("en", "zh"):
                dumps.append(json.loads(run("dump", "--json", "--lang", lang, data)))
    for i, dump in enumerate(dumps):
        for error in validator.iter_errors(dump):
            failures.append(f"dump {i}: {error.message} at {list(error.path)}")
    for document in REFUSED:
        if validator.is_valid({**HEADER, **document}):
            failures.append(f"the schema takes {document}")

    full = dumps[-1]
    printed = {
        "top": set(full),
        "channel": set(full["channels"][0]),
        "debug_channel": set(full["debug_channels"][0]),
    }
    groups = [key for key, value in full.items() if isinstance(value, dict)]
    for group in groups:
        printed[group] = set(full[group])

    in_schema = {
        "top": set(schema["properties"]),
        "channel": set(schema["$defs"]["channel"]["properties"]),
        "debug_channel": set(schema["$defs"]["debug_channel"]["properties"]),
    }
    for group in groups:
        in_schema[group] = set(schema["properties"][group]["properties"])

    doc = DOC.read_text()
    in_doc = {
        "top": keys_in_section(doc, "Top-level keys"),
        "channel": keys_in_section(doc, "`channels`"),
        "debug_channel": keys_in_section(doc, "`debug_channels`"),
    }
    for group in groups:
        in_doc[group] = keys_in_section(doc, f"`{group}`")

    for part, keys in printed.items():
        for name, named in (("the schema", in_schema[part]), (DOC.name, in_doc[part])):
            if named != keys:
                failures.append(f"{name}, {part}: missing {sorted(keys - named)}, "
                                f"not printed {sorted(named - keys)}")

    for failure in failures:
        print("FAIL:", failure)
    checks = len(dumps) + len(REFUSED) + 2 * len(printed)
    print(f"{checks - len(failures)} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
