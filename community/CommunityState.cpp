// The community windows' shared parsing code lives in this library.
