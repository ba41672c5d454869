; a .bss of 6 bytes, then a common of alignment 8 and size 4; c0 and c3
; have their alignment set to 0 and 3 in the object
        .bss
        .skip 6
        .comm c8, 4, 8
        .comm c0, 2, 1
        .comm c3, 1, 1
        .text
        .globl start
start:  getl #1
        complete
