// The community windows live in this library.
