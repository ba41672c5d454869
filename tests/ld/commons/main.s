; a common buf of 4 bytes, and a common of its own placed first
        .comm first, 4, 4
        .comm buf, 4, 4
        .text
        .globl main
main:   rdl buf
        jmp pull
        complete
