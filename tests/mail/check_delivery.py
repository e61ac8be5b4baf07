#!/usr/bin/env python3
"""Checks the one mail a Maildir holds against what the delivery test sent.

Usage: check_delivery.py MAILDIR EXPECTED.json
EXPECTED holds from, to, subject, body and a list of attachments, each with the
part's content type, file name, transfer encoding ("base64", "quoted-printable"
or "uuencode") and the path of the file whose exact bytes it must decode to.
Prints what differs and exits 1, or exits 0.
"""
import binascii
import email
import email.policy
import json
import mailbox
import sys


def uudecode(text):
    lines = text.replace("\r\n", "\n").split("\n")
    start = next(i for i, line in enumerate(lines) if line.startswith("begin "))
    out = b""
    for line in lines[start + 1:]:
        if line == "end":
            return out
        if line:
            # The last group of a short line is padded with blanks, not zero bytes:
            # only the characters that carry the line's bytes are decoded.
            count = (ord(line[0]) - 32) & 63
            out += binascii.a2b_uu(line[:1 + (count * 8 + 5) // 6])
    raise ValueError("no end line")


def main():
    box = mailbox.Maildir(sys.argv[1], factory=None, create=False)
    expected = json.load(open(sys.argv[2]))
    keys = list(box.keys())
    problems = []
    if len(keys) != 1:
        print(f"expected one mail, found {len(keys)}")
        return 1
    raw = box.get_bytes(keys[0])
    msg = email.message_from_bytes(raw, policy=email.policy.default)

    def check(what, got, want):
        if got != want:
            problems.append(f"{what}: got {got!r}, want {want!r}")

    check("From", str(msg["From"]), expected["from"])
    check("To", str(msg["To"]), expected["to"])
    check("Subject", str(msg["Subject"]).strip(), expected["subject"])
    check("Bcc", msg["Bcc"], None)
    check("type", msg.get_content_type(), "multipart/mixed")
    parts = list(msg.iter_parts())
    check("parts", len(parts), 1 + len(expected["attachments"]))
    if parts:
        check("body type", parts[0].get_content_type(), "text/plain")
        check("body charset", parts[0].get_content_charset(), "utf-8")
        check("body", parts[0].get_content().replace("\r\n", "\n"), expected["body"])
    for part, want in zip(parts[1:], expected["attachments"]):
        data = open(want["path"], "rb").read()
        check("attachment type", part.get_content_type(), want["type"])
        check("attachment name", part.get_filename(), want["filename"])
        if want["encoding"] == "uuencode":
            got = uudecode(part.get_payload(decode=False))
        else:
            check("transfer encoding", part["Content-Transfer-Encoding"].lower(), want["encoding"])
            got = part.get_payload(decode=True)
        if got != data:
            problems.append(f"{want['filename']}: {len(got)} bytes decoded, {len(data)} sent, "
                            f"first difference at {next((i for i, (a, b) in enumerate(zip(got, data)) if a != b), min(len(got), len(data)))}")
    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
