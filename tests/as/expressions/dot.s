; the location counter: sizes, saved positions, one value per repetition
        .data
f:      .byte 1, 2, 3
        .size f, . - f
        .set here, .
        .long here
        .rept 3
        .long .
        .endr
        .align 8
g:      .long . - g, .
        .long . - f
        .size g, . - g
