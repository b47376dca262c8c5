// Compiles the tests' precompiled header.
