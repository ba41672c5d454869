; a comma or the line end in place of an operand stands for 0
        .data
        .long 1, , 3
        .byte
        .short 5,
        .quad
