; Labels an image keeps no symbol of: two paragraphs, a jump into the
; middle of one, and data reached at a label and past it.
        .data
v:      .long 7
w:      .long 1, 2

        .text
        .globl start
start:
        rdl v
        rdl w+4
        addl @1, @2
        wrl @1, v
        jmp next
        complete
next:
again:
        getl v
        jmp start+8
        complete
