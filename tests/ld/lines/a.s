; two paragraphs; the second operation of the first is at position 8
        .text
        .globl main
main:   getl #1
        addl @1, #2
        addl @1, @2
        addl @1, @2
        addl @1, @2
        complete
next:   getl #3
        complete
