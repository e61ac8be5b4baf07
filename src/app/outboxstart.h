#pragma once
// What the outbox asks of Pinewick's start: the note, once, of the cards that
// went out while it was closed, and the cards that are due sent now, by
// `pinewick --send-due` in the background (it shares the outbox's lock with
// the timer's sender, so the two never send at once).
class QWidget;

void StartOutbox(QWidget& window);
