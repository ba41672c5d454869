; .subsection needs a current section; numbers must be absolute
        .subsection 1
        .data undefined_symbol
        .text 1 2
        .subsection x
