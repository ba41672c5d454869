; symbols in expressions: values in force, .eqv at every use, float operands
        .data
        .set x, 1
        .eqv e, x + 1
        .byte x, e
        .set x, 5
        .byte x, e, e * 2
        .set y, later + 2
        .byte y
        .set later, 40
        .byte 0f1.5 + 1
        .set f, 0f2.5
        .byte f + 0
