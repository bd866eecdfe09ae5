// Replaced by the device link.
