; bodies that do nothing are not replayed, however often they are asked for
        .data
        .rept 0xffffffff
        .endr
        .rept 0xffffffff
        ; only a comment, and a block that does nothing either
        .rept 0xffffffff

        .endr
        .endr
        .rept 0xffffffff
        .skip 0
        .ascii ""
        .endr
        .byte 7
