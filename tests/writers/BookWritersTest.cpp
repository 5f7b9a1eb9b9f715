// written separately
