; a mergeable section with relocations is copied as it is
        .section .rodata.ptr, "aM", @progbits, 4
        .long hello
        .long hello
; a section of the name of another's, but of another type
        .section .extra, "a", @nobits
        .skip 4
