; prog.s - an empty program in a subdirectory.
