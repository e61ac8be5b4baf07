#pragma once
// The systemd user timer that runs `pinewick --send-due` while Pinewick is
// closed: on while a card waits, off when the outbox is empty. Quiet: without
// systemd (or without a user session) nothing happens, and the autostart entry
// and Pinewick's own start send the cards instead.
namespace mail {

// Turns pinewick-outbox.timer on (pending) or off. $PINEWICK_SYSTEMCTL names
// another program to run in systemctl's place.
void KeepOutboxTimer(bool pending);

} // namespace mail
