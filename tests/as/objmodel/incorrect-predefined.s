; predefined names made with other attributes: the warnings come from pass 1
; only, so they show when pass 1 also has an error
        .section .comment, "a"
        .section .note, "", @progbits
        .text
        .byte 1
