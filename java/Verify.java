/*
 * Run by the launcher with a candidate JVM to learn whether that JVM is the one a jvm file
 * asks for. Prints the line 1739021872, then for each argument, in order, one line holding
 * the value of the Java system property of that name.
 *
 * The launcher reads the answer line by line, so a value must take exactly one line: line
 * feeds and carriage returns inside a value are left out, and a property that is not set
 * prints an empty line. Kept to the oldest language level the build can target, so that old
 * JVMs can run it.
 */
public class Verify {
    static final String MAGIC = "1739021872";

    public static void main(String[] args) {
        java.util.Properties properties = System.getProperties();
        StringBuffer out = new StringBuffer();
        out.append(MAGIC).append('\n');
        for (int i = 0; i < args.length; i++) {
            out.append(oneLine(properties.getProperty(args[i]))).append('\n');
        }
        System.out.print(out.toString());
        System.out.flush();
    }

    static String oneLine(String value) {
        if (value == null) {
            return "";
        }
        StringBuffer line = new StringBuffer(value.length());
        for (int i = 0; i < value.length(); i++) {
            char c = value.charAt(i);
            if (c != '\n' && c != '\r') {
                line.append(c);
            }
        }
        return line.toString();
    }
}
