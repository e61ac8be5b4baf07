// Retained-mode scene layer.
