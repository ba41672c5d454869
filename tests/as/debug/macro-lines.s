; -g: the operations a macro makes are at the invocation, in the line
; table and in the paragraphs' entries; an .irp body is where it stands
        .data
        .macro word name, value
\name:  .long \value
        .endm
        word count, 2
        .macro step what
        getl \what
        addl @1, @1
        .endm
        .macro paragraph name
\name:
        step 3
        complete
        .endm
        .text
start:
        step 1
        getl 2
        .irp v, 4, 5
        getl \v
        .endr
        complete
        paragraph finish
