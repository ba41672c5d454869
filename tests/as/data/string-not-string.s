; a string directive wants strings
        .data
        .ascii "a", 5, "b"
        .asciz abc
        .byte 1
