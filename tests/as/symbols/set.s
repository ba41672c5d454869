; .set values follow the source order in pass 2
        .data
        .byte x
        .set x, 1
        .byte x
        .equ x, 2
        .byte x
        .set y, x + 1
        .byte y
        .set lab, here
here:   .long lab
        .set x, 0x10
