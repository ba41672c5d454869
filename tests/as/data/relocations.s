; fields that depend on a symbol keep the addend and get a relocation
        .data
        .long 7
here:   .long ext + 4
        .long here + 4
        .byte ext
        .short ext - 1
        .quad here
        .long 16
