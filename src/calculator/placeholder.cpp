// Filled by the calculator model.
