        .data
w:      .long 1
        .text
        .globl next
next:
        rdl w
        setl #48, @1
        jmp start
        complete
