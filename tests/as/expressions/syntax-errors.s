; syntax errors: one message per expression
        .data
        .byte (1 + 2
        .byte ((1 + 2
        .byte (1 + 2 3
        .byte (4, 5
        .byte 1 + , 2
        .byte )
        .byte 1 + 2
