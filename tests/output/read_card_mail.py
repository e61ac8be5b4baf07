#!/usr/bin/env python3
"""Prints the mails a Maildir holds as JSON, as a mail reader parses them.

Usage: read_card_mail.py MAILDIR OUTDIR
For each mail (oldest first): its header lines in order (the server's own
X- lines left out), the decoded subject, the content type and boundary, and
for each part its header lines and the path in OUTDIR of its decoded bytes.
"""
import email
import email.header
import email.policy
import json
import mailbox
import os
import re
import sys


def delivered(key):
    """A Maildir name starts with the delivery time: seconds, then "M" and microseconds."""
    match = re.match(r"(\d+)\.M(\d+)", key)
    return (int(match.group(1)), int(match.group(2))) if match else (0, 0)


def main():
    box = mailbox.Maildir(sys.argv[1], factory=None, create=False)
    mails = []
    for number, key in enumerate(sorted(box.keys(), key=delivered)):
        msg = email.message_from_bytes(box.get_bytes(key), policy=email.policy.compat32)
        subject = msg["Subject"]
        if subject is not None:
            subject = str(email.header.make_header(email.header.decode_header(subject)))
        mail = {
            "headers": [[n, v] for n, v in msg.items() if not n.startswith("X-")],
            "subject": subject,
            "content_type": msg.get_content_type(),
            "boundary": msg.get_boundary(),
            "parts": [],
        }
        if msg.is_multipart():
            for index, part in enumerate(msg.get_payload()):
                path = os.path.join(sys.argv[2], f"mail{number}-part{index}.bin")
                with open(path, "wb") as out:
                    out.write(part.get_payload(decode=True) or b"")
                mail["parts"].append({"headers": [[n, v] for n, v in part.items()], "file": path})
        mails.append(mail)
    print(json.dumps(mails))


main()
