#!/usr/bin/env python3
"""Prints the mails a Maildir holds as JSON, as a strict mail reader parses them.

Usage: read_card_mail.py MAILDIR OUTDIR
For each mail (oldest first): its header lines in order (the server's own
X- lines left out), the decoded subject, the content type and boundary, the
defects Python's email package (policy.default) finds in the message and in
every header, the structure (the content types of all parts, depth first),
and for each leaf part its header lines, its decoded text (text parts) and the
path in OUTDIR of its decoded bytes.
"""
import email
import email.policy
import email.utils
import json
import mailbox
import os
import re
import sys


def delivered(key):
    """A Maildir name starts with the delivery time: seconds, then "M" and microseconds."""
    match = re.match(r"(\d+)\.M(\d+)", key)
    return (int(match.group(1)), int(match.group(2))) if match else (0, 0)


def defects_of(part):
    found = [f"{part.get_content_type()}: {type(d).__name__}" for d in part.defects]
    for name, value in part.items():
        found += [f"{name}: {type(d).__name__}" for d in getattr(value, "defects", ())]
    return found


def main():
    box = mailbox.Maildir(sys.argv[1], factory=None, create=False)
    mails = []
    for number, key in enumerate(sorted(box.keys(), key=delivered)):
        raw = box.get_bytes(key)
        msg = email.message_from_bytes(raw, policy=email.policy.default)
        subject = msg["Subject"]
        date = msg["Date"]
        mail = {
            "headers": [[n, str(v)] for n, v in msg.items() if not n.startswith("X-")],
            "raw_headers": raw.split(b"\n\n", 1)[0].replace(b"\r", b"").decode("utf-8", "replace"),
            "subject": None if subject is None else str(subject),
            "to": [a.addr_spec for a in msg["To"].addresses] if msg["To"] else [],
            "to_headers": len(msg.get_all("To", [])),
            "date_ok": date is not None and date.datetime is not None and date.datetime.tzinfo is not None,
            "message_id": msg["Message-ID"] and str(msg["Message-ID"]),
            "content_type": msg.get_content_type(),
            "boundary": msg.get_boundary(),
            "defects": [],
            "structure": [p.get_content_type() for p in msg.walk()],
            "parts": [],
        }
        for index, part in enumerate(msg.walk()):
            mail["defects"] += defects_of(part)
            if part.is_multipart():
                continue
            path = os.path.join(sys.argv[2], f"mail{number}-part{index}.bin")
            with open(path, "wb") as out:
                out.write(part.get_payload(decode=True) or b"")
            entry = {"headers": [[n, str(v)] for n, v in part.items()], "file": path,
                     "type": part.get_content_type(), "disposition": part.get_content_disposition(),
                     "filename": part.get_filename(), "content_id": part["Content-ID"] and str(part["Content-ID"])}
            if part.get_content_maintype() == "text":
                entry["text"] = part.get_content()
            mail["parts"].append(entry)
        mails.append(mail)
    print(json.dumps(mails))


main()
