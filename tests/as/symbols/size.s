; .size is evaluated in pass 2, when labels have their offsets
        .data
f:      .long 1, 2, 3
        .size f, . - f
g:      .byte 0
        .size g, -4
        .size h, 12
        .size h, 8
        .globl h
