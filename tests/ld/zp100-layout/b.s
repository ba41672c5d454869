; five 4-byte operations, then a paragraph of two and one of one: the two
; need a row of padding between, the one does not
        .text
        .globl five, two, one, long
five:   getl #1
        addl @1, #2
        addl @1, @2
        addl @1, @2
        addl @1, @2
        complete
two:    getl #3
        addl @1, #4
        complete
five2:  getl #1
        addl @1, #2
        addl @1, @2
        addl @1, @2
        addl @1, @2
        complete
one:    getl #5
        complete
; an 8-byte operation keeps both its words on one unit
long:   getl 7
        addl @1, #6
        complete
