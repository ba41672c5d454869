; the first operation of a paragraph has no result one place back
        .text
p:
        addl @1, 1
        complete
