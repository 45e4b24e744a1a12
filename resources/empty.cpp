// Keeps the resource library a library even before any image exists.
