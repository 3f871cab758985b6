// Replaced by the help class.
