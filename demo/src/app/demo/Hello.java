package demo;

import demo.greeting.Greeting;

// The demo application: greets everyone named on its command line with the help of
// greeting.jar, says which JVM the launcher picked, and exits with the number of people it
// greeted, so that the launcher's exit code shows the application's.
public final class Hello {
  private Hello() {}

  public static void main(String[] args) {
    String[] names = args.length == 0 ? new String[] {"world"} : args;
    for (String name : names) System.out.println(Greeting.greet(name));
    System.out.println("  greetings from " + Greeting.source() + ", Java "
        + System.getProperty("java.version") + " in " + System.getProperty("vd.jvm.home"));
    System.exit(args.length);
  }
}
