; a second label before the first operation is a child of the paragraph's DIE
        .text
one:
two:
        getl 1
        complete
three:  getl 2
        complete
