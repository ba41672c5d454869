; an entry label, a jump to a label in another paragraph, and an absolute
; symbol that may serve as entry too
        .text
        .globl start
        .set absentry, 0x1234
        .globl absentry
first:  getl #1
        complete
start:  jmp first
        complete
