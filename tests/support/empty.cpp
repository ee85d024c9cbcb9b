// Keeps the support library non-empty when no fixture file exists yet.
