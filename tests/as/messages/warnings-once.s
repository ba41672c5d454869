; a clean pass 1 says nothing: every warning comes once, from pass 2
        .data
        .ascii "\777"
        .ascii "two
lines"
        .alias V 1
        .alias V 2
        .byte 0f1.5 + 1, V
        .float 0f1e300
