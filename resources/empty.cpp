// Keeps the resource library non-empty before any image exists.
